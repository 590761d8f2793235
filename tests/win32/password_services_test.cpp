// The screen-saver password services: looked up in the system folder only, used when there,
// and the core's rules where they are not.
#include <gtest/gtest.h>

#include <string>

#include "backends/win32/win32_system.h"
#include "backends/win32/win32_text.h"
#include "support/temp_folder.h"
#include "test_window.h"

namespace velvora {
namespace {

using win32::Win32System;

std::wstring SystemFolderFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\" + name;
}

// Our stand-in password.cpl, built beside this program.
std::wstring FakeServices() {
  wchar_t program[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring path(program, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"password.cpl";
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Puts the stand-in into the system folder for the test's duration.
class InstalledFake {
 public:
  InstalledFake() : target_(SystemFolderFile(L"password.cpl")) {
    installed_ = !Exists(target_) && CopyFileW(FakeServices().c_str(), target_.c_str(), TRUE);
  }
  ~InstalledFake() {
    if (installed_) DeleteFileW(target_.c_str());
  }
  InstalledFake(const InstalledFake&) = delete;
  InstalledFake& operator=(const InstalledFake&) = delete;
  bool installed() const { return installed_; }

 private:
  std::wstring target_;
  bool installed_ = false;
};

TEST(PasswordServices, WithoutPasswordCplEveryCloseIsAcceptedAndNothingIsShown) {
  if (Exists(SystemFolderFile(L"password.cpl"))) GTEST_SKIP() << "this system has password.cpl";
  Win32System sys;
  EXPECT_FALSE(sys.HasPasswordServices());
  EXPECT_EQ(sys.VerifyScreenSavePwd(0), 1);
  EXPECT_EQ(sys.PwdChangePasswordA("SCRSAVE", 0, 0, 0), 0);
}

TEST(PasswordServices, PasswordCplOfTheSystemFolderAnswersForTheWindowItIsGiven) {
  test::TestWindow accepting(50, 50), refusing(50, 50);
  REQUIRE_WINDOW(accepting);
  const InstalledFake fake;
  if (!fake.installed()) GTEST_SKIP() << "cannot put a password.cpl into the system folder";
  SetWindowLongPtrW(accepting.hwnd(), GWLP_USERDATA, 1);
  SetWindowLongPtrW(refusing.hwnd(), GWLP_USERDATA, 0);
  Win32System sys;
  ASSERT_TRUE(sys.HasPasswordServices());
  EXPECT_EQ(sys.VerifyScreenSavePwd(accepting.handle()), 1);
  EXPECT_EQ(sys.VerifyScreenSavePwd(refusing.handle()), 0);
}

// A password.cpl planted in the current folder is never loaded.
TEST(PasswordServices, AComponentOutsideTheSystemFolderIsIgnored) {
  if (Exists(SystemFolderFile(L"password.cpl"))) GTEST_SKIP() << "this system has password.cpl";
  test::TempFolder folder;
  const std::wstring here = win32::Wide(folder.Path());
  ASSERT_TRUE(CopyFileW(FakeServices().c_str(), (here + L"\\password.cpl").c_str(), FALSE));
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(here.c_str());
  {
    Win32System sys;
    EXPECT_FALSE(sys.HasPasswordServices());
  }
  SetCurrentDirectoryW(previous);
}

}  // namespace
}  // namespace velvora
