// "/c" end to end: the setup dialog as a user sees it, its help window, what Done writes and
// what Cancel keeps.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "backends/win32/win32_text.h"
#include "remote_windows.h"
#include "scr_run.h"
#include "test_window.h"

namespace velvora::e2e {
namespace {

// Every control of the dialog that shows a text, with the text exactly.
const std::pair<const char*, const wchar_t*> kSetupTexts[] = {
    {"FXLabel4", L"Welcome to The Velvora Setup"},
    {"Label2", L"Available Pictures List"},
    {"Label4", L"Number of Pictures:"},
    {"Label3", L"Click here to Open A folder."},
    {"Label5", L"Click here to Select a Picture."},
    {"Label8", L"Make sure that this folder"},
    {"Label6", L"Double-Click on a Picture file"},
    {"Label9", L"contain picture files"},
    {"Label7", L"to Add it to the Pictures List."},
    {"Frame1", L"Properties"},
    {"MinOpt", L"Minutes"},
    {"SecOpt", L"Seconds"},
    {"Label1", L"Intervals:"},
    {"picAdd", L"&Add Picture"},
    {"picRemove", L"&Remove Picture"},
    {"Check1", L"Preview"},
    {"cmdHelp", L"&Help"},
    {"OptionRandom", L"Centered"},
    {"OptionFullWin", L"Full Window"},
    {"cmdCancel", L"&Cancel"},
    {"cmdExit", L"Done"},
};

const std::pair<const char*, const wchar_t*> kHelpTexts[] = {
    {"SSPanel1", L"The Velvora - Tutorial"},
    {"Label1", L"Adding Picture to The Velvora"},
    {"Label2", L"Select a Picture from the list box. "},
    {"Label3", L"Click on the: 'Add Picture' to add to the Available Pictures list."},
    {"Label4", L"Removing Picture from The Velvora"},
    {"Label5", L"Select a Picture from the 'Available Pictures List' box. "},
    {"Label6", L"Click on the: 'Remove Picture' to Remove the Picture."},
    {"Label7", L"You may set the interval setup. Setup is in Minutes."},
    {"Label8", L"Click on: 'Centered' or 'Full Window' for picture's screen location."},
    {"Label9", L"Click on: 'Preview' for immediate viewing of your picture."},
    {"cmdExit", L"Done"},
};

constexpr const wchar_t* kBanner = L" The Velvora - Brought to you by Quorrin";

// Two pictures as a user's list holds them (sorted without regard to case). The dialog lists
// paths whether or not the files exist.
const std::string kStored =
    "5\r\nMin\r\n 2 \r\nFullWin\r\nC:\\Pictures\\Autumn.jpg\r\nC:\\Pictures\\beach.png\r\n";

TEST(SetupEndToEnd, ConfigurationShowsTheDialogAndItsHelpWithTheirTexts) {
  ScrRun run;
  HWND dialog = run.Open(L"/c", L"Velvora.frmSetup");
  REQUIRE_WINDOW(dialog);
  const Controls setup(dialog);
  for (const auto& [name, text] : kSetupTexts) EXPECT_EQ(setup.Text(name), text) << name;
  // No settings file yet: the first-run values.
  EXPECT_EQ(setup.Text("Text1"), L"");
  EXPECT_EQ(setup.Text("numImages"), L"0");
  EXPECT_TRUE(Checked(setup["OptionFullWin"]));
  EXPECT_FALSE(Checked(setup["MinOpt"]) || Checked(setup["SecOpt"]));
  EXPECT_TRUE(Checked(setup["Check1"]));
  // The banner is typed into the title bar, a character at a time, and starts over at its end.
  std::wstring caption;
  EXPECT_TRUE(WaitFor(
      [&] {
        caption = TextOf(dialog);
        return caption.size() >= 12 && std::wstring(kBanner).rfind(caption, 0) == 0;
      },
      15000))
      << win32::Utf8(caption);
  Screenshot(WindowRect(dialog), "setup-dialog");

  Click(setup["cmdHelp"]);
  HWND help = run.WaitForWindow(L"Velvora.frmHelp");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(TextOf(help), L"Velvora - Help");
  const Controls helpControls(help);
  for (const auto& [name, text] : kHelpTexts) EXPECT_EQ(helpControls.Text(name), text) << name;
  Screenshot(WindowRect(help), "help-window");
  Click(helpControls["cmdExit"]);
  EXPECT_TRUE(run.WaitForNoWindow(L"Velvora.frmHelp"));
  EXPECT_FALSE(run.Ended(0));  // the setup dialog is still open

  Click(setup["cmdCancel"]);
  EXPECT_TRUE(EndsCleanly(run));
}

TEST(SetupEndToEnd, DoneWritesTheSettingsAsTheDialogHoldsThem) {
  ScrRun run;
  run.folder().Write("Velvora.ini", kStored);
  HWND dialog = run.Open(L"/c", L"Velvora.frmSetup");
  REQUIRE_WINDOW(dialog);
  const Controls setup(dialog);
  EXPECT_EQ(setup.Text("Text1"), L"5");
  EXPECT_TRUE(Checked(setup["MinOpt"]));
  EXPECT_TRUE(Checked(setup["OptionFullWin"]));
  ASSERT_EQ(ListCount(setup["List1"]), 2);
  EXPECT_EQ(ListItem(setup["List1"], 0), L"C:\\Pictures\\Autumn.jpg");
  EXPECT_EQ(ListItem(setup["List1"], 1), L"C:\\Pictures\\beach.png");
  EXPECT_EQ(setup.Text("numImages"), L"2");

  // The user types another interval, picks seconds and the centred placement, and presses Done.
  Type(setup["Text1"], L"12");
  Click(setup["SecOpt"]);
  Click(setup["OptionRandom"]);
  ASSERT_TRUE(WaitFor([&] { return Checked(setup["OptionRandom"]) && setup.Text("Text1") == L"12"; }, 5000));
  Click(setup["cmdExit"]);
  EXPECT_TRUE(EndsCleanly(run));
  EXPECT_EQ(run.folder().Read("Velvora.ini"),
            "12\r\nSec\r\n 2 \r\nRandom\r\nC:\\Pictures\\Autumn.jpg\r\nC:\\Pictures\\beach.png\r\n");
}

TEST(SetupEndToEnd, DoneOnAFirstRunWritesTheFirstRunValues) {
  ScrRun run;
  HWND dialog = run.Open(L"/c", L"Velvora.frmSetup");
  REQUIRE_WINDOW(dialog);
  Click(Controls(dialog)["cmdExit"]);
  ASSERT_TRUE(EndsCleanly(run));
  EXPECT_EQ(run.folder().Read("Velvora.ini"), "\r\n\r\n 0 \r\nFullWin\r\n");
}

TEST(SetupEndToEnd, CancelLeavesTheSettingsFileAsItWas) {
  ScrRun run;
  run.folder().Write("Velvora.ini", kStored);
  HWND dialog = run.Open(L"/c", L"Velvora.frmSetup");
  REQUIRE_WINDOW(dialog);
  const Controls setup(dialog);
  Type(setup["Text1"], L"9");
  Click(setup["SecOpt"]);
  ASSERT_TRUE(WaitFor([&] { return Checked(setup["SecOpt"]); }, 5000));
  Click(setup["cmdCancel"]);
  EXPECT_TRUE(EndsCleanly(run));
  EXPECT_EQ(run.folder().Read("Velvora.ini"), kStored);
}

// The Screen Saver Settings of current Windows pass "/c:HWND": the dialog belongs to that
// window. A saver started with nothing on its line opens the dialog too.
TEST(SetupEndToEnd, TheDialogIsOwnedByTheWindowTheHostNames) {
  test::TestWindow host(300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  REQUIRE_WINDOW(host.hwnd());
  ScrRun run;
  HWND dialog = run.Open(L"/c:" + std::to_wstring(reinterpret_cast<ULONG_PTR>(host.hwnd())),
                        L"Velvora.frmSetup");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(WaitFor([&] { return GetWindow(dialog, GW_OWNER) == host.hwnd(); }, 5000));
  Click(Controls(dialog)["cmdCancel"]);
  EXPECT_TRUE(EndsCleanly(run));
}

TEST(SetupEndToEnd, NoArgumentsOpenTheDialog) {
  ScrRun run;
  HWND dialog = run.Open(L"", L"Velvora.frmSetup");
  REQUIRE_WINDOW(dialog);
  Click(Controls(dialog)["cmdCancel"]);
  EXPECT_TRUE(EndsCleanly(run));
}

}  // namespace
}  // namespace velvora::e2e
