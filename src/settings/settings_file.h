#pragma once
// The settings file beside the program: interval text, unit, picture count, placement keyword,
// then one picture path per line; every line ends with CR LF.
// The text is in the system's 8-bit code page, as such files have always been, unless that code
// page cannot hold some character: then the file is UTF-8 and starts with a byte-order mark, so
// no path is lost. A file that starts with the mark is read as UTF-8 on every system.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/code_page.h"

namespace velvora {

enum class IntervalUnitKeyword { None, Min, Sec };
enum class PlacementKeyword { None, FullWin, Random };

struct SettingsFileContents {
  std::string intervalText;  // line 1, unchanged
  IntervalUnitKeyword unit = IntervalUnitKeyword::None;
  std::int16_t count = 0;    // line 3's number (0 when it does not fit 16 bits)
  PlacementKeyword placement = PlacementKeyword::None;
  std::vector<std::string> pictures;  // trimmed; as many as were read
};

struct SettingsToSave {
  std::string intervalText;
  std::string intervalUnit;  // "Min", "Sec" or empty, written as it is
  bool fullWindow = false;   // the full-window option is selected
  bool centred = false;      // the centred option is selected
  std::vector<std::string> pictures;
};

// The folder, the platform's separator and "Velvora.ini", appended with no test for a
// separator already at the end of the folder.
std::string SettingsFilePath(const std::string& programFolder);

// Reads the file; never fails. A missing file gives the first-run values; a file that ends
// early stops adding pictures at its end, so `pictures` holds what was really there.
SettingsFileContents LoadSettingsFile(const std::string& path, const CodePage& codePage = Utf8CodePage());

// The exact bytes of a settings file.
std::string FormatSettingsFile(const SettingsToSave& settings, const CodePage& codePage = Utf8CodePage());

// Replaces the file durably (ReplaceFileDurably): a failed write, a crash or a power cut leaves
// the old file or the new one, whole. Returns false on failure.
bool SaveSettingsFile(const std::string& path, const SettingsToSave& settings,
                      const CodePage& codePage = Utf8CodePage());

}  // namespace velvora
