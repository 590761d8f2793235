// "/p HWND" end to end: the slideshow becomes a child of the host's window, sized to its client
// area, and ends when the host window is destroyed.
#include <gtest/gtest.h>

#include <string>

#include "remote_windows.h"
#include "scr_run.h"
#include "test_window.h"

namespace velvora::e2e {
namespace {

HWND EmbeddedSaver(HWND host) {
  HWND child = FindWindowExW(host, nullptr, L"Velvora.frmSaver", nullptr);
  return child && IsWindowVisible(child) ? child : nullptr;
}

TEST(PreviewEndToEnd, ThePreviewLivesInTheHostWindowAndEndsWithIt) {
  test::TestWindow host(360, 280, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  REQUIRE_WINDOW(host.hwnd());
  ScrRun run;
  ASSERT_TRUE(run.Start(L"/p " + std::to_wstring(reinterpret_cast<ULONG_PTR>(host.hwnd()))));
  HWND preview = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (preview = EmbeddedSaver(host.hwnd())) != nullptr; }, 15000));
  EXPECT_TRUE(GetWindowLongW(preview, GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(GetAncestor(preview, GA_PARENT), host.hwnd());
  RECT hostArea{}, previewArea{};
  GetClientRect(host.hwnd(), &hostArea);
  EXPECT_TRUE(WaitFor(
      [&] {
        GetWindowRect(preview, &previewArea);
        MapWindowPoints(nullptr, host.hwnd(), reinterpret_cast<POINT*>(&previewArea), 2);
        return EqualRect(&hostArea, &previewArea) != 0;
      },
      5000))
      << previewArea.left << "," << previewArea.top << " " << previewArea.right << "x" << previewArea.bottom;
  EXPECT_EQ(TextOf(preview), L"Preview");
  EXPECT_FALSE(run.Ended(0));

  DestroyWindow(host.hwnd());
  EXPECT_TRUE(EndsCleanly(run)) << "the preview ends with its host";
}

}  // namespace
}  // namespace velvora::e2e
