// "/o" end to end: the options dialog shows the stored preferences and OK stores both.
#include <gtest/gtest.h>

#include "remote_windows.h"
#include "scr_run.h"
#include "system_state.h"
#include "test_window.h"

namespace velvora::e2e {
namespace {

TEST(OptionsEndToEnd, OkStoresTheDelayAndTheBackgroundColour) {
  ForgetPreferences();
  StorePreference(L"BackColor", L"255");  // red; no delay stored yet
  ScrRun run;
  HWND dialog = run.Open(L"/o", L"Velvora.frmOptions");
  REQUIRE_WINDOW(dialog);
  const Controls options(dialog);
  EXPECT_EQ(TextOf(dialog), L"Options for Velvora");
  EXPECT_EQ(options.Text("Label1"), L"Time Delay (s):");
  EXPECT_EQ(options.Text("Label2"), L"Background Color:");
  EXPECT_EQ(options.Text("cmdOK"), L"OK");
  // Loading stores the delay's default and shows it.
  EXPECT_EQ(options.Text("txtDelay"), L"2");
  EXPECT_EQ(Preference(L"Delay"), L"2");
  Screenshot(WindowRect(dialog), "options-dialog");

  // OK writes both values, whatever is stored by then.
  ForgetPreference(L"BackColor");
  Type(options["txtDelay"], L"7");
  ASSERT_TRUE(WaitFor([&] { return options.Text("txtDelay") == L"7"; }, 5000));
  Click(options["cmdOK"]);
  EXPECT_TRUE(EndsCleanly(run));
  EXPECT_EQ(Preference(L"Delay"), L"7");
  EXPECT_EQ(Preference(L"BackColor"), L"255");
  ForgetPreferences();
}

}  // namespace
}  // namespace velvora::e2e
