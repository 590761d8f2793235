#include "settings/settings_file.h"

#include <cstring>
#include <fstream>
#include <vector>

#include "platform/toolkit.h"
#include "runtime/convert.h"
#include "settings/durable_file.h"

namespace velvora {
namespace {

// The lines of a file: CR LF ends one, and so does a lone CR or LF (files edited by hand). It
// reads in blocks and looks for the line ends in each, so a line of a hundred megabytes costs a
// scan, not a call per character.
class LineReader {
 public:
  explicit LineReader(const std::string& path) : in_(path, std::ios::binary) {}

  // The next line; false at the end of the file, and `line` is then left as it was.
  bool Next(std::string& line) {
    if (at_ == end_ && !Fill()) return false;
    std::string read;
    for (;;) {
      const char* begin = block_.data() + at_;
      const char* lineEnd = LineEnd(begin, block_.data() + end_);
      read.append(begin, lineEnd);
      at_ = static_cast<std::size_t>(lineEnd - block_.data());
      if (at_ < end_) {
        const bool cr = block_[at_++] == '\r';
        if (cr && (at_ < end_ || Fill()) && block_[at_] == '\n') ++at_;
        break;
      }
      if (!Fill()) break;  // the last line has no line end
    }
    line = std::move(read);
    return true;
  }

 private:
  static const char* LineEnd(const char* begin, const char* end) {
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', static_cast<std::size_t>(end - begin)));
    const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', static_cast<std::size_t>((lf ? lf : end) - begin)));
    return cr ? cr : lf ? lf : end;
  }
  bool Fill() {
    in_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
    at_ = 0;
    end_ = static_cast<std::size_t>(in_.gcount());
    return end_ > 0;
  }

  std::ifstream in_;
  std::vector<char> block_ = std::vector<char>(std::size_t{1} << 16);
  std::size_t at_ = 0;
  std::size_t end_ = 0;
};

std::string TrimBlanks(const std::string& s) {
  std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string SettingsFilePath(const std::string& programFolder) {
  return programFolder + kPathSeparator + "Velvora.ini";
}

SettingsFileContents LoadSettingsFile(const std::string& path) {
  SettingsFileContents result;
  LineReader lines(path);
  std::string buffer;  // a read that fails leaves the buffer as it was
  lines.Next(buffer);
  result.intervalText = buffer;
  lines.Next(buffer);
  if (buffer == "Min") result.unit = IntervalUnitKeyword::Min;
  else if (buffer == "Sec") result.unit = IntervalUnitKeyword::Sec;
  lines.Next(buffer);
  std::int64_t count = LeadingNumberWide(buffer);
  result.count = (count < INT16_MIN || count > INT16_MAX) ? 0 : static_cast<std::int16_t>(count);
  lines.Next(buffer);
  if (buffer == "FullWin") result.placement = PlacementKeyword::FullWin;
  else if (buffer == "Random") result.placement = PlacementKeyword::Random;
  for (int i = 0; i < result.count && lines.Next(buffer); ++i) {
    result.pictures.push_back(TrimBlanks(buffer));
  }
  return result;
}

std::string FormatSettingsFile(const SettingsToSave& s) {
  std::string bytes;
  auto line = [&bytes](const std::string& text) { bytes += text + "\r\n"; };
  line(s.intervalText);
  line(s.intervalUnit);
  line(" " + std::to_string(s.pictures.size()) + " ");
  if (s.fullWindow) line("FullWin");
  else if (s.centred) line("Random");
  for (const std::string& picture : s.pictures) line(picture);
  return bytes;
}

bool SaveSettingsFile(const std::string& path, const SettingsToSave& settings) {
  return ReplaceFileDurably(path, FormatSettingsFile(settings));
}

}  // namespace velvora
