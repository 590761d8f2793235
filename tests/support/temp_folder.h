#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.
// Paths are UTF-8 text, as in the core.
#include <string>

namespace velvora::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  // Path of a file inside the folder, with the platform's separator.
  std::string operator/(const std::string& name) const;
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace velvora::test
