// Monitors scripted through the driver: what covers each, a view addressed by its monitor, and
// monitors changed while the slideshow runs.
#include <gtest/gtest.h>

#include "driver/script_run.h"

namespace velvora {
namespace {

using test::ScriptRun;

TEST(MonitorsByScript, EachMonitorIsCoveredAndAMoveOnAViewEndsTheShow) {
  ScriptRun r(R"(
    monitors 1280x1024 1024x768+1280+0
    start "/s"
    covers
    advance 6000
    get SaverMirror@2.Image1 Left Top Width Height Visible FrameWidth FrameHeight
    monitors 1280x1024 1024x768+1280+0 800x600-800+0
    get SaverMirror@3.Label1 Width
    monitors 1280x1024
    covers
    monitors 1280x1024 1024x768+1280+0
    mousemove SaverMirror@2 100 100
    status ended
    mousemove SaverMirror@2.Image1 130 100
    status ended reason cursorCount screenSaverActive
  )");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.lines, (std::vector<std::string>{
      R"({"covers":[{"monitor":1,"primary":true,"left":0,"top":0,"width":1280,"height":1024,"forms":["frmSaver"]},)"
      R"({"monitor":2,"primary":false,"left":1280,"top":0,"width":1024,"height":768,"forms":["SaverMirror"]}]})",
      R"({"target":"SaverMirror@2.Image1","Left":0,"Top":0,"Width":15360,"Height":11520,"Visible":true,"FrameWidth":1024,"FrameHeight":768})",
      R"({"target":"SaverMirror@3.Label1","Width":12000})",
      R"({"covers":[{"monitor":1,"primary":true,"left":0,"top":0,"width":1280,"height":1024,"forms":["frmSaver"]}]})",
      R"({"ended":false})",
      R"({"ended":true,"reason":"end","cursorCount":0,"screenSaverActive":true})"}));
}

TEST(MonitorsByScript, MonitorsAreScriptedAsTheyCanBe) {
  for (const char* bad : {"monitors 1024x768+5+0", "monitors 1024x768 10x", "monitors 1024x768 0x600+1024+0"}) {
    ScriptRun r(bad);
    EXPECT_EQ(r.code, 1) << bad;
  }
  ScriptRun preview(R"(
    monitors 1024x768 1024x768+1024+0
    host 34 152 112
    start "/p 34"
    covers
    get SaverMirror@2
  )");
  EXPECT_EQ(preview.code, 1);
  EXPECT_EQ(preview.Line(R"({"covers")"),
            R"({"covers":[{"monitor":1,"primary":true,"left":0,"top":0,"width":1024,"height":768,"forms":[]},)"
            R"({"monitor":2,"primary":false,"left":1024,"top":0,"width":1024,"height":768,"forms":[]}]})");
  EXPECT_NE(preview.err.find("SaverMirror@2 is not loaded"), std::string::npos) << preview.err;
}

}  // namespace
}  // namespace velvora
