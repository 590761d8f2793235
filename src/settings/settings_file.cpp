#include "settings/settings_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "platform/file_path.h"
#include "platform/toolkit.h"
#include "runtime/convert.h"
#include "settings/durable_file.h"

namespace velvora {
namespace {

// The lines of a text: CR LF ends one, and so does a lone CR or LF (files edited by hand). A
// line end is found by a search, so a line of a hundred megabytes costs one scan.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}

  // The next line; false at the end of the text, and `line` is then left as it was.
  bool Next(std::string& line) {
    if (rest_.empty()) return false;
    const std::size_t end = rest_.find_first_of("\r\n");
    line.assign(rest_.substr(0, end));
    if (end == std::string_view::npos) {
      rest_ = {};
    } else {
      const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
      rest_.remove_prefix(end + (crlf ? 2 : 1));
    }
    return true;
  }

 private:
  std::string_view rest_;
};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The file's text as UTF-8; empty when it cannot be read (missing, a folder, no permission).
std::string ReadText(const std::string& path, const CodePage& codePage) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(FilePath(path), ec)) return "";
  std::ifstream file(FilePath(path), std::ios::binary);
  std::ostringstream bytes;
  if (file) bytes << file.rdbuf();
  const std::string text = bytes.str();
  if (text.starts_with(kUtf8Mark)) return text.substr(kUtf8Mark.size());
  return codePage.ToUtf8(text);
}

std::string TrimBlanks(const std::string& s) {
  std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string SettingsFilePath(const std::string& programFolder) {
  return programFolder + kPathSeparator + "Velvora.ini";
}

SettingsFileContents LoadSettingsFile(const std::string& path, const CodePage& codePage) {
  SettingsFileContents result;
  const std::string text = ReadText(path, codePage);
  LineReader lines(text);
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

std::string FormatSettingsFile(const SettingsToSave& s, const CodePage& codePage) {
  std::string text;
  auto line = [&text](const std::string& t) { text += t + "\r\n"; };
  line(s.intervalText);
  line(s.intervalUnit);
  line(" " + std::to_string(s.pictures.size()) + " ");
  if (s.fullWindow) line("FullWin");
  else if (s.centred) line("Random");
  for (const std::string& picture : s.pictures) line(picture);
  // Text that itself begins with the mark is written after a mark too, since reading takes
  // one mark away.
  std::optional<std::string> narrow = codePage.FromUtf8(text);
  if (narrow && !narrow->starts_with(kUtf8Mark)) return *narrow;
  return std::string(kUtf8Mark) + text;
}

bool SaveSettingsFile(const std::string& path, const SettingsToSave& settings, const CodePage& codePage) {
  return ReplaceFileDurably(FilePath(path), FormatSettingsFile(settings, codePage));
}

}  // namespace velvora
