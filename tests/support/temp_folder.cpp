#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/file_path.h"
#include "platform/toolkit.h"

namespace velvora::test {

TempFolder::TempFolder() : path_(CreateFreshTempFolder("velvora-test-")) {
  if (path_.empty()) throw std::runtime_error("no fresh temporary folder");
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(FilePath(path_), std::filesystem::perms::owner_all, ec);
  std::filesystem::remove_all(FilePath(path_), ec);
}

std::string TempFolder::operator/(const std::string& name) const { return path_ + kPathSeparator + name; }

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(FilePath(*this / name), std::ios::binary);
  out << bytes;
}

std::string TempFolder::Read(const std::string& name) const {
  std::ifstream in(FilePath(*this / name), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace velvora::test
