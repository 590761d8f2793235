// The driver itself: words, JSON, files, pictures, restarts and how script errors are reported.
#include <gtest/gtest.h>

#include "app/driver_bmp.h"
#include "app/driver_error.h"
#include "app/driver_json.h"
#include "app/driver_tokens.h"
#include "driver/script_run.h"
#include "backends/sim/sim_platform.h"
#include "support/temp_folder.h"

namespace velvora {
namespace {

using test::ScriptRun;

TEST(Driver, SplitsWordsWithQuotesEscapesCommentsAndTheFolder) {
  EXPECT_EQ(driver::SplitWords(R"(  cmd "b c" "" $FOLDER/x "\$FOLDER\r\n\x41\"" # note)", "/f"),
            (std::vector<std::string>{"cmd", "b c", "", "/f/x", "$FOLDER\r\nA\""}));
  EXPECT_TRUE(driver::SplitWords("   #only a comment", "/f").empty());
  EXPECT_EQ(driver::SplitWords("bmp a #FF0000 #note", "/f"),
            (std::vector<std::string>{"bmp", "a", "#FF0000", "#note"}));
  for (const char* broken : {R"(a "open)", R"(a "x"y)", R"(a "\q")", R"(a "\x4")", R"(a "\xZZ")"}) {
    EXPECT_THROW(driver::SplitWords(broken, "/f"), driver::ScriptError) << broken;
  }
}

TEST(Driver, QuotesTextsAsJson) {
  EXPECT_EQ(driver::JsonQuote("a\r\n\"b\\\t"), R"("a\r\n\"b\\\t")");
  EXPECT_EQ(driver::JsonQuote(std::string("\x01\x7F", 2)), R"("\u0001\u007f")");
  EXPECT_EQ(driver::JsonQuote("caf\xE9"), "\"caf\xC3\xA9\"");   // an 8-bit code-page byte
  EXPECT_EQ(driver::JsonQuote("caf\xC3\xA9"), "\"caf\xC3\xA9\"");  // already UTF-8
  ScriptRun r("echo \"10\\r\\n9\"\nwrite-file a.txt \"x\\r\\ny\"\nread-file a.txt\nread-file none.txt\n");
  EXPECT_EQ(r.lines, (std::vector<std::string>{R"({"echo":"10\r\n9"})",
                                               R"({"file":"a.txt","exists":true,"text":"x\r\ny"})",
                                               R"({"file":"none.txt","exists":false})"}));
}

TEST(Driver, ReportsTheFirstBadLineAndStops) {
  struct Case {
    const char* script;
    const char* err;
  };
  for (const Case& c : {
           Case{"echo a\nfrobnicate\necho b", "line 2: unknown command frobnicate\n"},
           Case{"advance soon", "line 1: the time in milliseconds must be a whole number, not \"soon\"\n"},
           Case{"host 1 2", "line 1: usage: host HWND WIDTH HEIGHT\n"},
           Case{"click frmSetup.cmdExit", "line 1: the program has not been started\n"},
           Case{"start \"/c\"\nclick frmSetup.cmdNothing", "line 2: frmSetup has no control cmdNothing\n"},
           Case{"start \"/x\"\nclick frmSaver", "line 2: the program has ended\n"},
           Case{"start \"/c\"\nstart \"/s\"", "line 2: the program is still running\n"},
           Case{"status Nothing", "line 1: no value named Nothing\n"},
           Case{"write-file /etc/x y", "line 1: file names are relative to the program folder: \"/etc/x\"\n"},
           Case{"echo \"open", "line 1: a quoted word is not closed\n"},
       }) {
    ScriptRun r(c.script);
    EXPECT_EQ(r.code, 1) << c.script;
    EXPECT_EQ(r.err, c.err) << c.script;
    EXPECT_EQ(r.Line(R"({"echo":"b"})"), "") << c.script;  // nothing after the bad line runs
  }
}

TEST(Driver, EachStartIsANewProcessKeepingTheStore) {
  ScriptRun r(R"(
    store-set Delay 7
    version 4 10 1
    start "/p 1"
    advance 500
    kill
    status started
    start "/a 5"
    status reason time
    calls PwdChangePasswordA
    store
  )");
  ASSERT_EQ(r.code, 0) << r.err;
  ASSERT_EQ(r.lines.size(), 4u);
  EXPECT_EQ(r.lines[0], R"({"started":false})");
  EXPECT_EQ(r.lines[1], R"({"reason":"end","time":0})");
  EXPECT_EQ(r.lines[2], R"({"calls":[{"name":"PwdChangePasswordA","args":["SCRSAVE","5","0","0"]}]})");
  EXPECT_NE(r.lines[3].find(R"("Velvora/Settings/Delay":"7")"), std::string::npos) << r.lines[3];
}

TEST(Driver, DrawsPicturesThePictureLoaderReads) {
  test::TempFolder folder;
  // Five pixels a row leaves a row of 15 bytes padded to 16: a wrong stride shears the picture.
  ASSERT_TRUE(driver::WriteGradientBmp(folder / "p.bmp", 5, 9, Rgb(255, 0, 0), Rgb(0, 0, 255)));
  SimPlatform sim(folder.Path());
  PicturePtr picture = sim.LoadPicture(folder / "p.bmp");
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->width, 5);
  ASSERT_EQ(picture->height, 9);
  auto at = [&](int x, int y) { return picture->pixels[static_cast<std::size_t>(y * 5 + x)] & 0xFFFFFFu; };
  EXPECT_EQ(at(0, 0), 0xFF0000u);  // top row: the first colour (0xRRGGBB here)
  EXPECT_EQ(at(4, 0), 0xFF0000u);
  EXPECT_EQ(at(0, 8), 0x0000FFu);  // bottom row: the second
  EXPECT_EQ(at(2, 4), 0xFFFFFFu - at(0, 4));  // the disc in the middle inverts
  ScriptRun r("bmp sub.bmp 3 3 #00FF00\nfiles\nbmp bad.bmp 0 3 #000000\n");
  EXPECT_EQ(r.lines, std::vector<std::string>{R"({"files":["sub.bmp"]})"});
  EXPECT_EQ(r.err, "line 3: a picture is 1 to 4096 pixels a side\n");
}

}  // namespace
}  // namespace velvora
