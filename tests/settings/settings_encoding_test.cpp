// The settings file's text: the system's code page as far as it reaches, UTF-8 with a
// byte-order mark beyond it, and a file with the mark read as UTF-8 on every system.
#include <gtest/gtest.h>

#include <string>

#include "support/latin1_code_page.h"
#include "settings/settings_file.h"
#include "support/temp_folder.h"

namespace velvora {
namespace {

const test::Latin1CodePage kLatin1;
const std::string kMark = "\xEF\xBB\xBF";

SettingsToSave WithPictures(std::vector<std::string> pictures) {
  return {.intervalText = "5", .intervalUnit = "Min", .fullWindow = true, .pictures = std::move(pictures)};
}

TEST(SettingsEncoding, TextTheCodePageHoldsIsWrittenInIt) {
  EXPECT_EQ(FormatSettingsFile(WithPictures({"C:\\Bilder\\Grüße.jpg"}), kLatin1),
            "5\r\nMin\r\n 1 \r\nFullWin\r\nC:\\Bilder\\Gr\xFC\xDF" "e.jpg\r\n");
}

// One path beyond the code page turns the whole file into UTF-8, so nothing is lost or mangled.
TEST(SettingsEncoding, APathTheCodePageCannotHoldMakesTheFileUtf8WithAMark) {
  const SettingsToSave s = WithPictures({"C:\\Bilder\\Grüße.jpg", "C:\\写真\\海.png"});
  EXPECT_EQ(FormatSettingsFile(s, kLatin1),
            kMark + "5\r\nMin\r\n 2 \r\nFullWin\r\nC:\\Bilder\\Grüße.jpg\r\nC:\\写真\\海.png\r\n");
  test::TempFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  ASSERT_TRUE(SaveSettingsFile(path, s, kLatin1));
  EXPECT_EQ(LoadSettingsFile(path, kLatin1).pictures, s.pictures);
}

TEST(SettingsEncoding, AnExistingFileInTheCodePageReadsAsItDid) {
  test::TempFolder folder;
  folder.Write("Velvora.ini", "5\r\nSec\r\n 2 \r\nRandom\r\nC:\\Fotos\\\xE9t\xE9.jpg\r\nC:\\Fotos\\plain.jpg\r\n");
  const SettingsFileContents read = LoadSettingsFile(SettingsFilePath(folder.Path()), kLatin1);
  EXPECT_EQ(read.unit, IntervalUnitKeyword::Sec);
  EXPECT_EQ(read.placement, PlacementKeyword::Random);
  EXPECT_EQ(read.pictures, (std::vector<std::string>{"C:\\Fotos\\été.jpg", "C:\\Fotos\\plain.jpg"}));
}

// The mark is no part of the first line; without it the same bytes would be code-page text.
TEST(SettingsEncoding, AFileStartingWithTheMarkIsUtf8OnEverySystem) {
  test::TempFolder folder;
  folder.Write("Velvora.ini", kMark + "5\r\nMin\r\n 1 \r\nFullWin\r\n/fotos/été.jpg\r\n");
  for (const CodePage* codePage : {static_cast<const CodePage*>(&kLatin1), &Utf8CodePage()}) {
    const SettingsFileContents read = LoadSettingsFile(SettingsFilePath(folder.Path()), *codePage);
    EXPECT_EQ(read.intervalText, "5");
    EXPECT_EQ(read.unit, IntervalUnitKeyword::Min);
    EXPECT_EQ(read.pictures, std::vector<std::string>{"/fotos/été.jpg"});
  }
}

// Reading takes one mark away, so text that begins with the mark (a file that had two) gets a
// mark of its own on Done, in either code page, and reads back unchanged.
TEST(SettingsEncoding, TextBeginningWithTheMarkKeepsItThroughASave) {
  test::TempFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  folder.Write("Velvora.ini", kMark + kMark + "5\r\nMin\r\n 0 \r\n");
  for (const CodePage* codePage : {static_cast<const CodePage*>(&kLatin1), &Utf8CodePage()}) {
    const SettingsFileContents read = LoadSettingsFile(path, *codePage);
    ASSERT_EQ(read.intervalText, kMark + "5");
    ASSERT_TRUE(SaveSettingsFile(path, {.intervalText = read.intervalText, .intervalUnit = "Min"}, *codePage));
    EXPECT_EQ(LoadSettingsFile(path, *codePage).intervalText, kMark + "5");
  }
}

TEST(SettingsEncoding, WhereTheCodePageIsUtf8NoMarkIsWritten) {
  EXPECT_EQ(FormatSettingsFile(WithPictures({"/fotos/海.png"})), "5\r\nMin\r\n 1 \r\nFullWin\r\n/fotos/海.png\r\n");
}

}  // namespace
}  // namespace velvora
