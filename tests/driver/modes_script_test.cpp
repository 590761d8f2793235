// Start-up modes end to end, through scripts as velvora-sim runs them.
#include <gtest/gtest.h>

#include "driver/script_run.h"

namespace velvora {
namespace {

using test::ScriptRun;

TEST(ModesByScript, PasswordChangeOnTheNineXFamilyCallsTheServiceAndEnds) {
  ScriptRun r(R"(
    version 4 10 1
    start "/a 1234"
    calls PwdChangePasswordA
    status ended reason forms
  )");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.lines, (std::vector<std::string>{
                         R"({"calls":[{"name":"PwdChangePasswordA","args":["SCRSAVE","1234","0","0"]}]})",
                         R"({"ended":true,"reason":"end","forms":[]})"}));
}

TEST(ModesByScript, PasswordSwitchDoesNothingOnNtNumbers) {
  for (const char* version : {"4 0 2", "5 1 2"}) {
    ScriptRun r(std::string("version ") + version + R"(
      start "/a 1234"
      calls PwdChangePasswordA
      errors
      status ended reason forms
    )");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.lines, (std::vector<std::string>{R"({"calls":[]})", R"({"errors":[]})",
                                                 R"({"ended":true,"reason":"last-window-closed","forms":[]})"}))
        << version;
  }
}

TEST(ModesByScript, PreviewWithoutANumberEndsWithTheErrorBox) {
  ScriptRun r(R"(
    start "/p"
    errors
    status reason forms
  )");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.lines, (std::vector<std::string>{R"({"errors":[{"number":13,"text":"Type mismatch"}]})",
                                               R"({"reason":"runtime-error","forms":[]})"}));
}

TEST(ModesByScript, PreviewEmbedsIntoTheHostWindowWithItsClientSize) {
  ScriptRun r(R"(
    host 34 200 150
    start "/p 12A34"
    calls SetParent SetWindowPos
    get frmSaver Caption Visible ParentWindow
    status PreviewMode ended
  )");
  ASSERT_EQ(r.code, 0) << r.err;
  ASSERT_EQ(r.lines.size(), 3u);
  // The window's own number comes first in every call; the host and flags are what matter.
  EXPECT_NE(r.lines[0].find(R"({"name":"SetParent","args":[")"), std::string::npos) << r.lines[0];
  EXPECT_NE(r.lines[0].find(R"(","34"]})"), std::string::npos) << r.lines[0];
  EXPECT_NE(r.lines[0].find(R"(","0","0","0","200","150","84"]})"), std::string::npos) << r.lines[0];
  EXPECT_EQ(r.lines[1], R"({"target":"frmSaver","Caption":"Preview","Visible":true,"ParentWindow":34})");
  EXPECT_EQ(r.lines[2], R"({"ended":false,"PreviewMode":-1})");
}

TEST(ModesByScript, ConfigurationWinsOverFullScreen) {
  ScriptRun r(R"(
    start "/s /c"
    get frmSetup Visible
    status ended
    calls SystemParametersInfoA
    get frmSaver
  )");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.lines, (std::vector<std::string>{R"({"target":"frmSetup","Visible":true})",
                                               R"({"ended":false})", R"({"calls":[]})"}));
  EXPECT_EQ(r.err, "line 6: frmSaver is not loaded\n");
}

TEST(ModesByScript, FullScreenShowsTheSaverMaximisedAndTopmost) {
  ScriptRun r(R"(
    start "/S"
    get frmSaver Visible WindowState
    calls SystemParametersInfoA SetWindowPos
    status screenSaverActive
  )");
  ASSERT_EQ(r.code, 0) << r.err;
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_EQ(r.lines[0], R"({"target":"frmSaver","Visible":true,"WindowState":2})");
  EXPECT_EQ(r.lines[1].rfind(R"({"calls":[{"name":"SystemParametersInfoA","args":["17","0","null","0"]})", 0), 0u)
      << r.lines[1];
  EXPECT_NE(r.lines[1].find(R"(","-1","0","0","0","0","3"]})"), std::string::npos) << r.lines[1];
  EXPECT_EQ(r.lines[2], R"({"screenSaverActive":false})");
}

TEST(ModesByScript, AnEmptyLineOpensTheSetupDialog) {
  ScriptRun r(R"(
    start ""
    get frmSetup Visible
    status ended forms
  )");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.lines, (std::vector<std::string>{R"({"target":"frmSetup","Visible":true})",
                                               R"({"ended":false,"forms":["frmSetup"]})"}));
}

TEST(ModesByScript, OptionsDialogStoresBothValuesOnOkAndEnds) {
  ScriptRun r(R"(
    colour-answers #FF0000
    start "/O"
    get frmOptions Caption Visible
    scroll frmOptions.vsDelay 12
    click frmOptions.lblBackColor
    click frmOptions.cmdOK
    status ended reason
    store
  )");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.lines, (std::vector<std::string>{
                         R"({"target":"frmOptions","Caption":"Options for Velvora","Visible":true})",
                         R"({"ended":true,"reason":"end"})",
                         R"({"store":{"Velvora/Settings/BackColor":"255","Velvora/Settings/Delay":"12"}})"}));
}

TEST(ModesByScript, PreviewOfAWindowThatIsNotThereEndsAsWhenItsHostGoesAway) {
  ScriptRun r(R"(
    start "/p 123"
    status ended reason forms
    host 34 200 150
    start "/p 34"
    advance 3000
    status ended
    destroy-host 34
    status ended reason forms
    destroy-host 34
  )");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.lines, (std::vector<std::string>{R"({"ended":true,"reason":"end","forms":[]})", R"({"ended":false})",
                                               R"({"ended":true,"reason":"end","forms":[]})"}));
  EXPECT_EQ(r.err, "line 10: no host window 34\n");
}

TEST(ModesByScript, ATerminationSignalEndsTheSlideshowWithTheGuardsPutBack) {
  ScriptRun r(R"(
    version 4 10 1
    start "/s"
    advance 7000
    terminate
    status ended reason cursorCount taskbarEnabled screenSaverActive
    terminate
  )");
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.lines, (std::vector<std::string>{
                         R"({"ended":true,"reason":"terminated","cursorCount":0,"screenSaverActive":true,"taskbarEnabled":true})"}));
  EXPECT_EQ(r.err, "line 7: the program has ended\n");
}

}  // namespace
}  // namespace velvora
