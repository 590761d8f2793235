#pragma once
// The hostile picture list that tools/make_hostile_pictures.py makes: broken, empty, lying and
// oversized files and odd file-system entries, with good pictures of known colours between them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velvora::test {

struct HostileEntry {
  std::string path;
  std::string name;  // its name in the list's folder (the top folder of the deep path)
  std::optional<std::uint32_t> colour;  // 0xRRGGBB, for a good picture
  bool neverShown = false;  // a good picture that the program must not be able to read
};

class HostilePictures {
 public:
  // Makes the list in `folder`.
  explicit HostilePictures(const std::string& folder);
  // Empty when the list was made, else why not (python3 or ImageMagick missing).
  const std::string& Failure() const { return failure_; }
  const std::vector<HostileEntry>& Entries() const { return entries_; }
  std::vector<std::string> Paths() const;
  const HostileEntry& Entry(const std::string& name) const;
  // The good entry whose colour `rgb` is, within what lossy formats and scaling change; or null.
  const HostileEntry* ShownBy(std::uint32_t rgb) const;

 private:
  std::string failure_;
  std::vector<HostileEntry> entries_;
};

}  // namespace velvora::test
