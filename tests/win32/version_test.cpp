// The version numbers Windows reports and what the core makes of them. tools/wine-run gives
// this program the version of `winecfg -v win10` (6.2, family 0) and of `winecfg -v winxp64`
// (5.2, family 2); CTest says which in VELVORA_EXPECTED_WINDOWS_VERSION. Without it the tests
// skip.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "backends/win32/win32_handles.h"
#include "backends/win32/win32_system.h"
#include "guards/mdl_main.h"
#include "guards/mdl_win_version.h"
#include "backends/sim/sim_platform.h"
#include "support/temp_folder.h"
#include "test_window.h"

namespace velvora {
namespace {

using win32::Win32System;

struct Expected {
  std::uint32_t major = 0, minor = 0;
};

bool ExpectedVersion(Expected& expected) {
  const char* text = std::getenv("VELVORA_EXPECTED_WINDOWS_VERSION");
  if (!text) return false;
  const std::string version = text;
  const std::size_t dot = version.find('.');
  expected = {static_cast<std::uint32_t>(std::stoul(version.substr(0, dot))),
              static_cast<std::uint32_t>(std::stoul(version.substr(dot + 1)))};
  return true;
}

#define REQUIRE_EXPECTED_VERSION(e) \
  if (!ExpectedVersion(e)) GTEST_SKIP() << "run by CTest with a Windows version (win32_tests_win10, _winxp64)"

TEST(WindowsVersion, GetVersionExAFillsTheRecordTheCoreGives) {
  Expected expected;
  REQUIRE_EXPECTED_VERSION(expected);
  Win32System sys;
  OsVersionInfo info;
  info.size = sizeof info;
  EXPECT_NE(sys.GetVersionExA(info), 0);
  EXPECT_EQ(info.major, expected.major);
  EXPECT_EQ(info.minor, expected.minor);
  EXPECT_EQ(info.platformId, 2u);

  OsVersionInfo wrongSize;  // the system checks the size field
  wrongSize.size = 12;
  EXPECT_EQ(sys.GetVersionExA(wrongSize), 0);
  EXPECT_EQ(wrongSize.major, 0u);
}

TEST(WindowsVersion, FamilyIsZeroFromVersionSixAndTwoForTheFiveLine) {
  Expected expected;
  REQUIRE_EXPECTED_VERSION(expected);
  Win32System sys;
  EXPECT_EQ(mdlWinVersion::GetWindowsFamily(sys), expected.major == 5 ? 2 : 0);
}

// The taskbar guards on the real taskbar: the family code decides whether it is touched.
TEST(WindowsVersion, TaskbarGuardsDisableAndRestoreTheTaskbarOnFamilyZeroOnly) {
  Expected expected;
  REQUIRE_EXPECTED_VERSION(expected);
  test::TempFolder folder;
  SimPlatform sim(folder.Path());  // the toolkit and store the guards do not use
  Win32System sys;
  Program program(Platform{sys, sim, sim}, "/s");
  const HWND taskbar = test::WaitForTaskbar();
  if (!taskbar) WITHOUT_DISPLAY("no taskbar");
  ASSERT_TRUE(IsWindowEnabled(taskbar));

  const bool disabled = mdlMain::DisableTaskbar(program);
  EXPECT_EQ(program.TaskbarWnd, win32::FromHwnd(taskbar));
  const bool familyZero = expected.major != 5;
  EXPECT_EQ(disabled, familyZero);
  EXPECT_EQ(IsWindowEnabled(taskbar) != 0, !familyZero);
  mdlMain::RestoreTaskbar(program);
  EXPECT_TRUE(IsWindowEnabled(taskbar));
  EnableWindow(taskbar, TRUE);  // whatever happened above, the taskbar works afterwards
}

}  // namespace
}  // namespace velvora
