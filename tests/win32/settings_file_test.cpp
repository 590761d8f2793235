// The settings file on Windows: the ANSI code page of the system, UTF-8 with a mark beyond it,
// wide paths, and the durable replace.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "backends/win32/win32_code_page.h"
#include "backends/win32/win32_text.h"
#include "platform/file_path.h"
#include "settings/durable_file.h"
#include "settings/settings_file.h"
#include "support/temp_folder.h"

namespace velvora {
namespace {

const win32::AnsiCodePage kAnsi;

// Wine gives 1252 where the locale is English or not set; the bytes below are of that page.
#define REQUIRE_WESTERN_CODE_PAGE() \
  if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page here is " << GetACP() << ", not 1252"

SettingsToSave OnePicture(const std::string& path) {
  return {.intervalText = "5", .intervalUnit = "Min", .fullWindow = true, .pictures = {path}};
}

TEST(AnsiCodePage, ConvertsBothWaysAndRefusesWhatItLacks) {
  REQUIRE_WESTERN_CODE_PAGE();
  EXPECT_EQ(kAnsi.ToUtf8("Gr\xFC\xDF" "e \x80"), "Grüße €");
  EXPECT_EQ(kAnsi.FromUtf8("Grüße €"), std::optional<std::string>("Gr\xFC\xDF" "e \x80"));
  EXPECT_EQ(kAnsi.FromUtf8("ő"), std::nullopt);  // no best fit to "o"
  EXPECT_EQ(kAnsi.FromUtf8("海"), std::nullopt);
  EXPECT_EQ(kAnsi.FromUtf8("\xFF broken"), std::nullopt);
  EXPECT_EQ(kAnsi.FromUtf8(""), std::optional<std::string>(""));
}

TEST(WindowsSettingsFile, AnAnsiFileReadsAsItDidAndIsWrittenBackTheSame) {
  REQUIRE_WESTERN_CODE_PAGE();
  test::TempFolder folder;
  const std::string stored = "5\r\nMin\r\n 1 \r\nFullWin\r\nC:\\Bilder\\Gr\xFC\xDF" "e.jpg\r\n";
  folder.Write("Velvora.ini", stored);
  const std::string path = SettingsFilePath(folder.Path());
  const SettingsFileContents read = LoadSettingsFile(path, kAnsi);
  ASSERT_EQ(read.pictures, std::vector<std::string>{"C:\\Bilder\\Grüße.jpg"});
  ASSERT_TRUE(SaveSettingsFile(path, OnePicture(read.pictures[0]), kAnsi));
  EXPECT_EQ(folder.Read("Velvora.ini"), stored);
}

// A path of a folder the code page cannot name is kept whole: the file becomes UTF-8 with a
// mark, the program folder itself may have such a name, and the path still opens.
TEST(WindowsSettingsFile, APathBeyondTheCodePageSurvivesDone) {
  test::TempFolder folder;
  const std::string program = folder / "Programme ő 海";
  std::filesystem::create_directory(FilePath(program));
  const std::string picture = program + "\\写真.jpg";
  const std::string path = SettingsFilePath(program);
  ASSERT_TRUE(SaveSettingsFile(path, OnePicture(picture), kAnsi));
  const std::string bytes = folder.Read("Programme ő 海\\Velvora.ini");
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(LoadSettingsFile(path, kAnsi).pictures, std::vector<std::string>{picture});
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(win32::Wide(path))));
}

TEST(DurableReplace, ReplacesTheFileAndLeavesNothingBeside) {
  test::TempFolder folder;
  const std::filesystem::path target = FilePath(folder / "Velvora.ini");
  ASSERT_TRUE(ReplaceFileDurably(target, "first"));
  ASSERT_TRUE(ReplaceFileDurably(target, "second, longer"));
  EXPECT_EQ(folder.Read("Velvora.ini"), "second, longer");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(FilePath(folder.Path())), {}), 1);
}

// Windows refuses to replace a file that another program holds open without sharing its
// deletion: the old bytes stay and no temporary file is left.
TEST(DurableReplace, AFileHeldOpenKeepsItsBytes) {
  test::TempFolder folder;
  folder.Write("held.ini", "old");
  const std::wstring held = win32::Wide(folder / "held.ini");
  HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(ReplaceFileDurably(std::filesystem::path(held), "new"));
  CloseHandle(holder);
  EXPECT_EQ(folder.Read("held.ini"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(FilePath(folder.Path())), {}), 1);
}

}  // namespace
}  // namespace velvora
