#include "support/hostile_pictures.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace velvora::test {
namespace {

int Distance(std::uint32_t a, std::uint32_t b) {
  int d = 0;
  for (int shift : {0, 8, 16}) d = std::max(d, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
  return d;
}

}  // namespace

HostilePictures::HostilePictures(const std::string& folder) {
  const std::string command = "python3 '" VELVORA_TOOLS "/make_hostile_pictures.py' '" + folder + "'";
  if (std::system("command -v convert >/dev/null") != 0 || std::system(command.c_str()) != 0) {
    failure_ = "tools/make_hostile_pictures.py needs python3 and ImageMagick (tools/install-packages --desktop)";
    return;
  }
  std::map<std::string, std::pair<std::uint32_t, bool>> colours;
  std::ifstream colourFile(folder + "/colours.txt");
  std::string name, word;
  int r = 0, g = 0, b = 0;
  while (colourFile >> name >> r >> g >> b >> word) {
    colours[name] = {static_cast<std::uint32_t>(r << 16 | g << 8 | b), word == "never"};
  }
  std::ifstream list(folder + "/list.txt");
  for (std::string path; std::getline(list, path);) {
    HostileEntry entry{.path = path};
    entry.name = path.substr(folder.size() + 1, path.find('/', folder.size() + 1) - folder.size() - 1);
    if (auto it = colours.find(entry.name); it != colours.end()) {
      entry.colour = it->second.first;
      entry.neverShown = it->second.second;
    }
    entries_.push_back(entry);
  }
}

std::vector<std::string> HostilePictures::Paths() const {
  std::vector<std::string> paths;
  for (const HostileEntry& e : entries_) paths.push_back(e.path);
  return paths;
}

const HostileEntry& HostilePictures::Entry(const std::string& name) const {
  for (const HostileEntry& e : entries_) {
    if (e.name == name) return e;
  }
  throw std::out_of_range("no hostile entry " + name);
}

const HostileEntry* HostilePictures::ShownBy(std::uint32_t rgb) const {
  for (const HostileEntry& e : entries_) {
    if (e.colour && Distance(*e.colour, rgb) <= 12) return &e;
  }
  return nullptr;
}

}  // namespace velvora::test
