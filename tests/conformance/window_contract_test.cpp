// Windows as every backend must realise them: where a window first appears, when it hears of
// its size, how its controls are stacked, what its close box does.
#include <algorithm>

#include "backend_harness.h"
#include "contract_forms.h"

namespace velvora::conformance {
namespace {

int Pixels(BackendHarness& h, float twips) { return static_cast<int>(twips / h.TwipsPerPixel() + 0.5f); }

// Shows the contract window from a handler and waits until the backend has it on the screen.
frmContract& ShowContractWindow(Program& program, BackendHarness& harness) {
  frmContract& form = program.Use<frmContract>();
  program.Dispatch([&] { form.Show(); });
  EXPECT_TRUE(harness.Until([&] {
    auto window = harness.Realised(form.hWnd());
    return window && window->shown && form.Resizes() > 0;
  }));
  return form;
}

TEST_P(BackendContract, AWindowHearsItsSizeOnceAtItsFirstShowingOnTheTurnAfterTheHandler) {
  frmContract& form = program().Use<frmContract>();
  harness().Pass(50);
  EXPECT_EQ(form.Resizes(), 0);  // hidden: nothing to hear
  ASSERT_TRUE(harness().Realised(form.hWnd()));
  EXPECT_FALSE(harness().Realised(form.hWnd())->shown);

  int resizesInHandler = -1;
  program().Dispatch([&] {
    form.Show();
    resizesInHandler = form.Resizes();
  });
  EXPECT_EQ(resizesInHandler, 0);
  harness().Turn();
  EXPECT_EQ(form.Resizes(), 1);
  harness().Pass(100);
  EXPECT_EQ(form.resizeWidths, std::vector<float>{frmContract::kClientWidth});

  const auto window = harness().Realised(form.hWnd());
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->shown);
  EXPECT_EQ(window->width, Pixels(harness(), frmContract::kClientWidth));
  EXPECT_EQ(window->height, Pixels(harness(), frmContract::kClientHeight));

  // Shown again at the same size: nothing new to hear.
  program().Dispatch([&] {
    form.Hide();
    form.Show();
  });
  harness().Pass(100);
  EXPECT_EQ(form.Resizes(), 1);
}

TEST_P(BackendContract, ACentredWindowFirstAppearsCentredByItsFrameOnTheWorkArea) {
  frmContract& form = ShowContractWindow(program(), harness());
  const float onePixel = harness().TwipsPerPixel();
  const TwipsRect area = program().toolkit().WorkArea();
  const TwipsRect frame = form.View()->Frame();
  EXPECT_NEAR(frame.left, area.left + (area.width - frame.width) / 2, onePixel);
  EXPECT_NEAR(frame.top, area.top + (area.height - frame.height) / 2, onePixel);
  // The client area lies inside that frame.
  const auto window = harness().Realised(form.hWnd());
  ASSERT_TRUE(window);
  EXPECT_GE(static_cast<float>(window->left) * onePixel, frame.left - onePixel / 2);
  EXPECT_GE(static_cast<float>(window->top) * onePixel, frame.top - onePixel / 2);
  EXPECT_LE(static_cast<float>(window->left + window->width) * onePixel, frame.left + frame.width + onePixel / 2);
  EXPECT_LE(static_cast<float>(window->top + window->height) * onePixel, frame.top + frame.height + onePixel / 2);
}

// A borderless window, so the size asked is its client area on every system.
TEST_P(BackendContract, ASizeChangeDuringAHandlerReachesResizeOnceOnTheNextTurn) {
  frmBorderless& form = program().Use<frmBorderless>();
  program().Dispatch([&] { form.Show(); });
  ASSERT_TRUE(harness().Until([&] { return form.resizes == 1; }));
  harness().Pass(50);
  ASSERT_EQ(form.resizes, 1);
  const Hwnd window = form.hWnd();
  int resizesInHandler = -1;
  program().Dispatch([&] {
    sys().SetWindowPos(window, 0, 0, 0, 320, 240, kSwpNoZOrder | kSwpNoMove);
    sys().SetWindowPos(window, 0, 0, 0, 360, 250, kSwpNoZOrder | kSwpNoMove);
    resizesInHandler = form.resizes;
  });
  EXPECT_EQ(resizesInHandler, 1);  // queued, not delivered inside the handler
  harness().Turn();
  EXPECT_EQ(form.resizes, 2);
  harness().Pass(100);
  // Both changes are heard once, at the last size.
  EXPECT_EQ(form.resizeWidths, (std::vector<float>{form.Design().clientWidth, 360 * harness().TwipsPerPixel()}));
  auto realised = harness().Realised(window);
  ASSERT_TRUE(realised);
  EXPECT_EQ(realised->width, 360);
  EXPECT_EQ(realised->height, 250);

  // A move alone is no resize.
  program().Dispatch([&] { sys().SetWindowPos(window, 0, 10, 20, 0, 0, kSwpNoZOrder | kSwpNoSize); });
  EXPECT_TRUE(harness().Until([&] {
    auto moved = harness().Realised(window);
    return moved && moved->left == 10 && moved->top == 20;
  }));
  harness().Pass(100);
  EXPECT_EQ(form.resizes, 2);
}

TEST_P(BackendContract, InsideAPictureControlTheFirstControlLiesOnTopElsewhereALaterOne) {
  frmContract& form = ShowContractWindow(program(), harness());
  const auto inPicture = harness().Stacking(form, &form.picBack);
  SKIP_UNLESS(inPicture);
  EXPECT_EQ(*inPicture, (std::vector<std::string>{"picBottom", "picMiddle", "lblTop"}));  // bottom to top
  const auto onForm = harness().Stacking(form, nullptr);
  ASSERT_TRUE(onForm);
  EXPECT_EQ(*onForm, (std::vector<std::string>{"cmdA", "picBack", "fraBox", "lstItems", "txtLast"}));
  EXPECT_EQ(harness().Stacking(form, &form.fraBox), std::vector<std::string>{"optIn"});
}

TEST_P(BackendContract, TheCloseBoxAsksQueryUnloadAndACancelKeepsTheWindow) {
  program().Start([](Program& p) { p.Use<frmContract>().Show(); });
  frmContract& form = *program().IfLoaded<frmContract>();
  ASSERT_TRUE(harness().Until([&] { return form.Resizes() >= 1; }));  // the first showing reports a size
  form.refuseClose = true;
  harness().PressCloseBox(form);
  ASSERT_TRUE(harness().Until([&] { return !form.unloadModes.empty(); }));
  EXPECT_EQ(form.unloadModes, std::vector<int>{kUnloadFromControlMenu});
  harness().Pass(50);
  EXPECT_EQ(program().IfLoaded<frmContract>(), &form);
  const Hwnd window = form.hWnd();
  ASSERT_TRUE(harness().Realised(window));
  EXPECT_TRUE(harness().Realised(window)->shown);

  form.refuseClose = false;
  harness().PressCloseBox(form);
  ASSERT_TRUE(harness().Until([&] { return program().IfLoaded<frmContract>() == nullptr; }));
  EXPECT_EQ(program().Reason(), EndReason::LastWindowClosed);
  EXPECT_TRUE(harness().Until([&] { return !harness().Realised(window); }));  // the window goes away
}

TEST_P(BackendContract, StyleWordsHoldTheInitialBitsReadBackAsWrittenAndAChildKeepsItsOtherBits) {
  frmContract& bordered = program().Use<frmContract>();
  frmBorderless& borderless = program().Use<frmBorderless>();
  for (const Form* form : {static_cast<const Form*>(&bordered), static_cast<const Form*>(&borderless)}) {
    SCOPED_TRACE(form->Name());
    const Hwnd window = form->hWnd();
    const std::int32_t style = sys().GetWindowLongA(window, kGwlStyle);
    // The bits the core names; a real system adds its own (WS_CLIPSIBLINGS on a top-level window).
    const std::int32_t initial = InitialWindowStyle(form->Design());
    EXPECT_EQ(style & initial, initial);
    EXPECT_EQ(sys().SetWindowLongA(window, kGwlStyle, style | kWsChild), style);
    EXPECT_EQ(sys().GetWindowLongA(window, kGwlStyle), style | kWsChild);
  }
  // The owner word: another of our windows.
  EXPECT_EQ(sys().SetWindowLongA(borderless.hWnd(), kGwlHwndParent, bordered.hWnd()), 0);
  EXPECT_EQ(sys().GetWindowLongA(borderless.hWnd(), kGwlHwndParent), bordered.hWnd());
}

TEST_P(BackendContract, SetWindowPosShowsAtTheRectangleAskedAndTopmostKeepsItThere) {
  frmBorderless& form = program().Use<frmBorderless>();
  const Hwnd window = form.hWnd();
  EXPECT_NE(sys().SetWindowPos(window, 0, 30, 40, 320, 200, kSwpNoZOrder | kSwpNoActivate | kSwpShowWindow), 0);
  ASSERT_TRUE(harness().Until([&] { return form.resizes == 1; }));
  harness().Pass(100);
  EXPECT_EQ(form.resizes, 1);
  EXPECT_TRUE(form.Visible());
  EXPECT_FLOAT_EQ(form.Width(), 320 * harness().TwipsPerPixel());
  auto realised = harness().Realised(window);
  ASSERT_TRUE(realised);
  EXPECT_TRUE(realised->shown);
  EXPECT_EQ(std::vector<int>({realised->left, realised->top, realised->width, realised->height}),
            std::vector<int>({30, 40, 320, 200}));
  EXPECT_FALSE(realised->topmost);
  WinRect client;
  EXPECT_NE(sys().GetClientRect(window, client), 0);
  EXPECT_EQ(std::vector<int>({client.left, client.top, client.right, client.bottom}),
            std::vector<int>({0, 0, 320, 200}));

  EXPECT_NE(sys().SetWindowPos(window, kHwndTopmost, 0, 0, 0, 0, kSwpNoSize | kSwpNoMove), 0);
  ASSERT_TRUE(harness().Until([&] {
    auto topmost = harness().Realised(window);
    return topmost && topmost->topmost && topmost->shown;
  }));
  harness().Pass(100);
  realised = harness().Realised(window);
  ASSERT_TRUE(realised);
  EXPECT_EQ(std::vector<int>({realised->left, realised->top, realised->width, realised->height}),
            std::vector<int>({30, 40, 320, 200}));
  EXPECT_EQ(form.resizes, 1);
}

TEST_P(BackendContract, AWindowCoversAMonitorWholeAboveTheOthers) {
  const std::vector<Monitor> monitors = program().toolkit().Monitors();
  ASSERT_EQ(std::count_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.primary; }), 1);
  const TwipsRect area =
      std::find_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.primary; })->area;
  EXPECT_GT(area.width, 0);
  EXPECT_GT(area.height, 0);
  frmBorderless& form = program().Use<frmBorderless>();
  program().Dispatch([&] { form.View()->CoverMonitor(area); });
  ASSERT_TRUE(harness().Until([&] { return form.resizes == 1; }));
  harness().Pass(100);
  EXPECT_EQ(form.resizes, 1);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(std::vector<float>({form.Left(), form.Top(), form.Width(), form.Height()}),
            std::vector<float>({area.left, area.top, area.width, area.height}));
  const auto realised = harness().Realised(form.hWnd());
  ASSERT_TRUE(realised);
  EXPECT_TRUE(realised->shown);
  EXPECT_TRUE(realised->topmost);
  EXPECT_EQ(std::vector<int>({realised->left, realised->top, realised->width, realised->height}),
            std::vector<int>({Pixels(harness(), area.left), Pixels(harness(), area.top),
                              Pixels(harness(), area.width), Pixels(harness(), area.height)}));
}

}  // namespace
}  // namespace velvora::conformance
