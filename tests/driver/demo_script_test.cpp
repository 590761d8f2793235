// The demo session that tools/demo plays must keep running as the windows change.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/script_run.h"

namespace velvora {
namespace {

std::string DemoScript() {
  const auto root = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
  std::ifstream in(root / "tools" / "demo.sim");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(DemoScript, ConfiguresThenRunsTheSlideshowUntilInputEndsIt) {
  const std::string script = DemoScript();
  ASSERT_FALSE(script.empty());
  test::ScriptRun r(script);
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.Line(R"({"ended":true,"reason":"last-window-closed")"),
            R"({"ended":true,"reason":"last-window-closed","IntervalUnit":"Sec"})");
  EXPECT_NE(r.Line(R"({"file":"Velvora.ini")").find(R"("text":"4\r\nSec\r\n 3 \r\nFullWin\r\n)"), std::string::npos);
  EXPECT_EQ(r.Line(R"({"target":"frmSaver.Image1")"),
            R"({"target":"frmSaver.Image1","Visible":true,"PictureAssigned":true,"PictureWidth":320,"PictureHeight":200})");
  EXPECT_EQ(r.Line(R"({"ended":true,"reason":"end")"),
            R"({"ended":true,"reason":"end","cursorCount":0,"screenSaverActive":true,"taskbarEnabled":true})");
  EXPECT_EQ(r.Line(R"({"errors":)"), R"({"errors":[{"number":13,"text":"Type mismatch"}]})");
}

}  // namespace
}  // namespace velvora
