// The named system calls and the per-user store on the desktop.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include "gallery_form.h"
#include "qt_fixture.h"

namespace velvora::test {
namespace {

TEST(QtSystem, CursorIsBlankOnlyWhileTheDisplayCountIsBelowZero) {
  QtSession s;
  const auto blank = [] {
    return QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::BlankCursor;
  };
  EXPECT_EQ(s.platform.ShowCursor(0), -1);
  EXPECT_TRUE(blank());
  EXPECT_EQ(s.platform.ShowCursor(0), -2);
  EXPECT_EQ(s.platform.ShowCursor(1), -1);
  EXPECT_TRUE(blank());
  EXPECT_EQ(s.platform.ShowCursor(1), 0);
  EXPECT_FALSE(blank());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // nothing left stacked
}

TEST(QtSystem, FixedVersionNoTaskbarNoPasswordService) {
  QtSession s;
  OsVersionInfo info{};
  info.size = sizeof info;
  EXPECT_EQ(s.platform.GetVersionExA(info), 1);
  EXPECT_EQ(info.major, 5u);
  EXPECT_EQ(info.minor, 1u);
  EXPECT_EQ(info.platformId, 2u);
  EXPECT_EQ(s.platform.FindWindowA("Shell_traywnd", nullptr), 0);
  EXPECT_FALSE(s.platform.HasPasswordServices());
  EXPECT_EQ(s.platform.VerifyScreenSavePwd(0), 1);
  std::int32_t running = 7;
  s.platform.SystemParametersInfoA(kSpiScreenSaverRunning, 1, &running, 0);
  EXPECT_EQ(running, 0);
  s.platform.SystemParametersInfoA(kSpiScreenSaverRunning, 0, &running, 0);
  EXPECT_EQ(running, 1);
}

TEST(QtSystem, WindowCallsActOnOurWindows) {
  QtSession s;
  auto& form = s.program.Use<frmGallery>();
  const Hwnd hwnd = form.hWnd();
  ASSERT_NE(hwnd, 0);
  WinRect rect;
  EXPECT_EQ(s.platform.GetClientRect(hwnd, rect), 1);
  EXPECT_EQ(rect.right, 400);
  EXPECT_EQ(rect.bottom, 300);
  WinRect untouched{1, 2, 3, 4};
  EXPECT_EQ(s.platform.GetClientRect(0x7ffffff0, untouched), 0);  // no such window: left as it was
  EXPECT_EQ(untouched.right, 3);

  const std::int32_t style = s.platform.GetWindowLongA(hwnd, kGwlStyle);
  EXPECT_EQ(s.platform.SetWindowLongA(hwnd, kGwlStyle, style | kWsChild), style);
  EXPECT_EQ(s.platform.GetWindowLongA(hwnd, kGwlStyle), style | kWsChild);

  // Shown without taking the focus, and reported to the form.
  EXPECT_EQ(s.platform.SetWindowPos(hwnd, 0, 10, 20, 150, 100, 0x54), 1);
  QWidget* window = QtSession::WindowOf(form);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(window->size(), QSize(150, 100));
  EXPECT_TRUE(WaitFor([&] { return form.Width() == 2250.0f; }));
  EXPECT_EQ(s.platform.IsWindowEnabled(hwnd), 1);
  EXPECT_EQ(s.platform.EnableWindow(hwnd, 0), 0);
  EXPECT_EQ(s.platform.IsWindowEnabled(hwnd), 0);
}

TEST(QtStore, ValuesRoundTripPerApplicationAndSection) {
  QtSession s;
  EXPECT_EQ(s.platform.GetSetting("Velvora", "Settings", "Delay", "2"), "2");
  s.platform.SaveSetting("Velvora", "Settings", "Delay", "15");
  s.platform.SaveSetting("Velvora", "Settings", "BackColor", "-2147483633");
  EXPECT_EQ(s.platform.GetSetting("Velvora", "Settings", "Delay", "2"), "15");
  EXPECT_EQ(s.platform.GetSetting("Velvora", "Settings", "BackColor", "0"), "-2147483633");
  EXPECT_EQ(s.platform.GetSetting("Velvora", "Other", "Delay", "none"), "none");
  EXPECT_EQ(s.platform.GetSetting("Another", "Settings", "Delay", "none"), "none");
}

TEST(QtPlaces, DrivesStartAtTheRootAndProgramFolderHasNoTrailingSeparator) {
  QtSession s;
  const std::vector<std::string> drives = s.platform.Drives();
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(drives.front(), "/");
  for (const std::string& d : drives) EXPECT_FALSE(d.starts_with("/proc") || d.starts_with("/sys")) << d;
  const std::string folder = s.platform.ProgramFolder();
  EXPECT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/');
}

}  // namespace
}  // namespace velvora::test
