// The settings file: its exact bytes, what the reader makes of unusual files, and a write that
// cannot happen leaving the stored file as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/toolkit.h"
#include "settings/settings_file.h"
#include "support/temp_folder.h"

namespace velvora {
namespace {

namespace fs = std::filesystem;

struct SettingsFolder {
  test::TempFolder folder;
  std::string path = SettingsFilePath(folder.Path());
  SettingsFileContents Read(const std::string& bytes) const {
    folder.Write("Velvora.ini", bytes);
    return LoadSettingsFile(path);
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path())) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }
};

const SettingsToSave kFiveMinutesTwoPictures{
    .intervalText = "5",
    .intervalUnit = "Min",
    .fullWindow = true,
    .centred = false,
    .pictures = {"/pictures/a.bmp", "/pictures/b b.jpg"}};

TEST(SettingsFile, PathAppendsTheNameWithoutLookingAtTheFolder) {
  const std::string s(1, kPathSeparator);
  EXPECT_EQ(SettingsFilePath("/opt/velvora"), "/opt/velvora" + s + "Velvora.ini");
  EXPECT_EQ(SettingsFilePath(s), s + s + "Velvora.ini");
}

TEST(SettingsFile, WritesExactBytes) {
  EXPECT_EQ(FormatSettingsFile(kFiveMinutesTwoPictures),
            "5\r\nMin\r\n 2 \r\nFullWin\r\n/pictures/a.bmp\r\n/pictures/b b.jpg\r\n");
  SettingsToSave centredNoUnitEmpty{.intervalText = " 7x", .centred = true};
  EXPECT_EQ(FormatSettingsFile(centredNoUnitEmpty), " 7x\r\n\r\n 0 \r\nRandom\r\n");
  SettingsFolder f;
  ASSERT_TRUE(SaveSettingsFile(f.path, kFiveMinutesTwoPictures));
  EXPECT_EQ(f.folder.Read("Velvora.ini"), FormatSettingsFile(kFiveMinutesTwoPictures));
}

TEST(SettingsFile, RoundTripKeepsEverythingIncludingEqualEntries) {
  SettingsFolder f;
  SettingsToSave s = kFiveMinutesTwoPictures;
  s.pictures.push_back(s.pictures.front());
  s.intervalUnit = "Sec";
  s.fullWindow = false;
  s.centred = true;
  ASSERT_TRUE(SaveSettingsFile(f.path, s));
  SettingsFileContents read = LoadSettingsFile(f.path);
  EXPECT_EQ(read.intervalText, "5");
  EXPECT_EQ(read.unit, IntervalUnitKeyword::Sec);
  EXPECT_EQ(read.count, 3);
  EXPECT_EQ(read.placement, PlacementKeyword::Random);
  EXPECT_EQ(read.pictures, s.pictures);

  s.intervalUnit = "";  // no unit chosen: the rest still comes back
  ASSERT_TRUE(SaveSettingsFile(f.path, s));
  read = LoadSettingsFile(f.path);
  EXPECT_EQ(read.unit, IntervalUnitKeyword::None);
  EXPECT_EQ(read.placement, PlacementKeyword::Random);
  EXPECT_EQ(read.pictures, s.pictures);
}

TEST(SettingsFile, MissingFileGivesFirstRunValues) {
  SettingsFolder f;
  SettingsFileContents read = LoadSettingsFile(f.path);
  EXPECT_EQ(read.intervalText, "");
  EXPECT_EQ(read.unit, IntervalUnitKeyword::None);
  EXPECT_EQ(read.count, 0);
  EXPECT_EQ(read.placement, PlacementKeyword::None);
  EXPECT_TRUE(read.pictures.empty());
}

TEST(SettingsFile, KeywordsMatchExactly) {
  SettingsFolder f;
  for (const char* unit : {"sec", "Sec ", " Min", "MIN", "Minutes"}) {
    EXPECT_EQ(f.Read(std::string("5\r\n") + unit + "\r\n 0 \r\nFullWin\r\n").unit,
              IntervalUnitKeyword::None) << unit;
  }
  for (const char* placement : {"fullwin", "FullWin ", "Centered", "random"}) {
    EXPECT_EQ(f.Read(std::string("5\r\nMin\r\n 0 \r\n") + placement + "\r\n").placement,
              PlacementKeyword::None) << placement;
  }
  EXPECT_EQ(f.Read("  5 \r\nMin\r\n 0 \r\nRandom\r\n").intervalText, "  5 ");  // not trimmed
}

TEST(SettingsFile, CountIsTheLeadingNumberRoundedHalfToEven) {
  SettingsFolder f;
  const std::string five = "a\r\nb\r\nc\r\nd\r\ne\r\n";
  struct Case {
    const char* line3;
    std::int16_t count;
    std::size_t pictures;
  };
  for (const Case& c : {Case{" 3 ", 3, 3}, Case{"2.5", 2, 2}, Case{"3.5", 4, 4},
                        Case{"1.51", 2, 2}, Case{"4 pictures", 4, 4}, Case{"x3", 0, 0},
                        Case{"", 0, 0}, Case{"-1", -1, 0}, Case{"32768", 0, 0},
                        Case{"-99999", 0, 0}, Case{"99999999999999999999", 0, 0}}) {
    SettingsFileContents read = f.Read(std::string("5\r\nMin\r\n") + c.line3 + "\r\nFullWin\r\n" + five);
    EXPECT_EQ(read.count, c.count) << c.line3;
    EXPECT_EQ(read.pictures.size(), c.pictures) << c.line3;
  }
}

TEST(SettingsFile, PicturesAreTrimmedAndOnlyCountedLinesRead) {
  SettingsFolder f;
  SettingsFileContents read =
      f.Read("5\r\nMin\r\n 3 \r\nFullWin\r\n  /p/a b.bmp  \r\n\r\n/p/c.bmp\r\n/p/extra.bmp\r\n\r\n");
  EXPECT_EQ(read.pictures, (std::vector<std::string>{"/p/a b.bmp", "", "/p/c.bmp"}));
}

TEST(SettingsFile, LongLinesAreReadWholeWhereverTheirEndsFall) {
  SettingsFolder f;
  // Lines longer than what the reader takes at a time, with a CR LF split across two reads
  // (after the first 65,536 bytes) and a lone CR at the end of the second.
  const std::string first(65535, '1');
  const std::string second(65536 * 2 - first.size() - 3, 'x');
  SettingsFileContents read = f.Read(first + "\r\n" + second + "\rSec\r\n 1 \r\nRandom\r\n/p/a.bmp");
  EXPECT_EQ(read.intervalText, first);
  EXPECT_EQ(read.unit, IntervalUnitKeyword::None);  // line 2 is the long one
  EXPECT_EQ(read.count, 0);
  read = f.Read(first + "\r\n" + "Sec\r" + std::string(100'000'000, 'p') + "\r\nRandom\r\n/p/a.bmp\r\n");
  EXPECT_EQ(read.unit, IntervalUnitKeyword::Sec);
  EXPECT_EQ(read.count, 0);  // a line of a hundred million p's is no number
  EXPECT_EQ(read.placement, PlacementKeyword::Random);
  read = f.Read("5\r\nSec\r\n 2 \r\nRandom\r\n" + std::string(100'000'000, 'q') + "\n/p/a.bmp");
  ASSERT_EQ(read.pictures.size(), 2u);
  EXPECT_EQ(read.pictures[0].size(), 100'000'000u);
  EXPECT_EQ(read.pictures[1], "/p/a.bmp");
}

TEST(SettingsFile, FileEndingEarlyAddsOnlyTheLinesThatAreThere) {
  SettingsFolder f;
  // One line: every later read fails and leaves "5" in the buffer, so the count reads 5.
  SettingsFileContents one = f.Read("5\r\n");
  EXPECT_EQ(one.intervalText, "5");
  EXPECT_EQ(one.unit, IntervalUnitKeyword::None);
  EXPECT_EQ(one.count, 5);
  EXPECT_TRUE(one.pictures.empty());
  // A count above the lines present; the last line lacks its line end.
  SettingsFileContents short_ = f.Read("5\r\nSec\r\n 4 \r\nRandom\r\n/p/a.bmp\r\n/p/b.bmp");
  EXPECT_EQ(short_.unit, IntervalUnitKeyword::Sec);
  EXPECT_EQ(short_.placement, PlacementKeyword::Random);
  EXPECT_EQ(short_.pictures, (std::vector<std::string>{"/p/a.bmp", "/p/b.bmp"}));
  // A file that stops after the unit keeps it in the buffer for the later lines.
  SettingsFileContents two = f.Read("10\r\nMin");
  EXPECT_EQ(two.unit, IntervalUnitKeyword::Min);
  EXPECT_EQ(two.count, 0);
  EXPECT_EQ(two.placement, PlacementKeyword::None);
}

TEST(SettingsFile, SavingReplacesTheWholeOldFile) {
  SettingsFolder f;
  f.folder.Write("Velvora.ini", std::string(4000, 'x'));
  SettingsToSave small{.intervalText = "1", .fullWindow = true};
  ASSERT_TRUE(SaveSettingsFile(f.path, small));
  EXPECT_EQ(f.folder.Read("Velvora.ini"), FormatSettingsFile(small));
  EXPECT_EQ(f.Entries(), std::vector<std::string>{"Velvora.ini"});  // no temporary file left
}

TEST(SettingsFile, AWriteThatCannotHappenReportsFailureAndLeavesTheOldFile) {
  // The program folder names a folder that does not exist.
  SettingsFolder missing;
  EXPECT_FALSE(SaveSettingsFile(SettingsFilePath(missing.folder / "gone"), kFiveMinutesTwoPictures));
  EXPECT_TRUE(missing.Entries().empty());

  // The settings path is taken by a folder: it stays, and no temporary file is left.
  SettingsFolder occupied;
  fs::create_directory(occupied.path);
  occupied.folder.Write("Velvora.ini/keep", "kept");
  EXPECT_FALSE(SaveSettingsFile(occupied.path, kFiveMinutesTwoPictures));
  EXPECT_TRUE(fs::is_directory(occupied.path));
  EXPECT_EQ(occupied.folder.Read("Velvora.ini/keep"), "kept");
  EXPECT_EQ(occupied.Entries(), std::vector<std::string>{"Velvora.ini"});

  // An existing file whose replacement cannot even be started (its name leaves no room for the
  // temporary name beside it) keeps its bytes.
  test::TempFolder folder;
  const std::string name(250, 'v');
  const std::string old = "3\r\nSec\r\n 1 \r\nRandom\r\n/p/old.bmp\r\n";
  folder.Write(name, old);
  ASSERT_EQ(folder.Read(name), old);
  EXPECT_FALSE(SaveSettingsFile(folder / name, kFiveMinutesTwoPictures));
  EXPECT_EQ(folder.Read(name), old);
}

}  // namespace
}  // namespace velvora
