// A window embedded in another program's window, as a preview is: it fills the host as the
// system calls ask, and the host's going away reaches the program.
#include "backend_harness.h"
#include "contract_forms.h"

namespace velvora::conformance {
namespace {

TEST_P(BackendContract, AnEmbeddedWindowFillsItsHostAndTheHostsGoingAwayReachesTheProgram) {
  const auto host = harness().MakeHostWindow(240, 180);
  SKIP_UNLESS(host);
  EXPECT_NE(sys().IsWindow(*host), 0);
  Hwnd window = 0;
  program().Start([&](Program& p) {
    frmBorderless& form = p.Use<frmBorderless>();
    window = form.hWnd();
    WinRect area;
    EXPECT_NE(sys().GetClientRect(*host, area), 0);
    EXPECT_EQ(std::vector<int>({area.left, area.top, area.right, area.bottom}), std::vector<int>({0, 0, 240, 180}));
    const std::int32_t style = sys().GetWindowLongA(window, kGwlStyle);
    sys().SetWindowLongA(window, kGwlStyle, style | kWsChild);
    sys().SetParent(window, *host);  // what it answers is the system's (the desktop on Windows)
    sys().SetWindowLongA(window, kGwlHwndParent, *host);
    // The handle may change with embedding; the form's is the one to use from now on.
    window = form.hWnd();
    sys().SetWindowPos(window, 0, 0, 0, area.right, area.bottom, kSwpNoZOrder | kSwpNoActivate | kSwpShowWindow);
  });
  frmBorderless& form = *program().IfLoaded<frmBorderless>();
  ASSERT_TRUE(harness().Until([&] { return form.resizes == 1; }));
  auto realised = harness().Realised(form.hWnd());
  ASSERT_TRUE(realised);
  EXPECT_TRUE(realised->shown);
  EXPECT_EQ(std::vector<int>({realised->left, realised->top, realised->width, realised->height}),
            std::vector<int>({0, 0, 240, 180}));
  EXPECT_EQ(sys().GetWindowLongA(form.hWnd(), kGwlHwndParent), *host);

  harness().DestroyHostWindow(*host);
  ASSERT_TRUE(harness().Until([&] { return program().Ended(); }));
  EXPECT_EQ(program().IfLoaded<frmBorderless>(), nullptr);  // unloaded as from its control menu
  EXPECT_EQ(program().Reason(), EndReason::LastWindowClosed);
  EXPECT_EQ(sys().IsWindow(*host), 0);
}

}  // namespace
}  // namespace velvora::conformance
