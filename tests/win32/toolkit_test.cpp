// The Win32 toolkit against the system: every control is the native window of its kind, found by
// its designer name and its place in the design; input on the windows reaches the models through
// whatever container holds them; an owner a host names owns the window; the pointer follows the
// core's cursor count over our windows. (What every backend keeps is tests/conformance.)
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_handles.h"
#include "backends/win32/win32_platform.h"
#include "backends/win32/win32_text.h"
#include "forms/program.h"
#include "backends/win32/win32_window.h"
#include "saver/frm_saver.h"
#include "setup/frm_setup.h"
#include "startup/main_mode.h"
#include "test_window.h"
#include "toolkit_session.h"
#include "windows/frm_options.h"

namespace velvora {
namespace {

using win32::Win32FormView;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

const wchar_t* ExpectedClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::Line: return L"Static";
    case ControlKind::TextBox: return L"Edit";
    case ControlKind::ListBox:
    case ControlKind::FileList:
    case ControlKind::DirList: return L"ListBox";
    case ControlKind::DriveList: return L"ComboBox";
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
    case ControlKind::CommandButton:
    case ControlKind::Frame: return L"Button";
    case ControlKind::VScrollBar: return L"ScrollBar";
    case ControlKind::FXImage: return L"Velvora.Picture";
    case ControlKind::FXLabel: return L"Velvora.StyledLabel";
    case ControlKind::SSPanel: return L"Velvora.Panel";
    case ControlKind::SSCommand: return L"Velvora.Button3D";
    default: return L"";
  }
}

using Session = test::ToolkitSession;
using test::ViewOf;

TEST(Win32Toolkit, EveryControlIsTheNativeWindowOfItsKindNamedAndNumberedByTheDesign) {
  Session s;
  frmSetup& setup = s.program.Use<frmSetup>();
  HWND window = ViewOf(setup).window();
  REQUIRE_WINDOW(window);
  EXPECT_EQ(ClassOf(window), L"Velvora.frmSetup");
  EXPECT_EQ(win32::WindowName(window), "frmSetup");
  UINT index = 0;
  for (const auto& control : setup.Controls()) {
    const UINT id = win32::kFirstControlId + index++;
    HWND own = ViewOf(setup).WindowOf(*control);
    SCOPED_TRACE(control->Name());
    if (control->Kind() == ControlKind::Timer) {
      EXPECT_EQ(own, nullptr);
      continue;
    }
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(ClassOf(own), ExpectedClass(control->Kind()));
    EXPECT_EQ(win32::WindowName(own), control->Name());
    EXPECT_EQ(static_cast<UINT>(GetDlgCtrlID(own)), id);
    HWND container = control->Container() ? ViewOf(setup).WindowOf(*control->Container()) : window;
    EXPECT_EQ(GetAncestor(own, GA_PARENT), container);
  }
  // The one found by name among the window's descendants is the same window.
  EXPECT_EQ(GetDlgItem(ViewOf(setup).WindowOf(setup.Frame2), static_cast<int>(GetDlgCtrlID(ViewOf(setup).WindowOf(setup.Text1)))),
            ViewOf(setup).WindowOf(setup.Text1));
}

// Notifications go to a control's parent: those of controls inside frames reach the model too.
TEST(Win32Toolkit, InputOnNativeControlsReachesTheModelsThroughTheirContainers) {
  Session s;
  frmSetup& setup = s.program.Use<frmSetup>();
  REQUIRE_WINDOW(ViewOf(setup).window());
  s.program.Dispatch([&] { setup.Show(); });
  s.Turn();

  SendMessageW(ViewOf(setup).WindowOf(setup.SecOpt), BM_CLICK, 0, 0);
  EXPECT_TRUE(setup.SecOpt.Value());
  EXPECT_EQ(s.program.IntervalUnit, "Sec");
  EXPECT_EQ(SendMessageW(ViewOf(setup).WindowOf(setup.SecOpt), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(ViewOf(setup).WindowOf(setup.MinOpt), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  SetWindowTextW(ViewOf(setup).WindowOf(setup.Text1), L"17");
  EXPECT_EQ(setup.Text1.Text(), "17");
  s.program.Dispatch([&] { setup.Text1.SetText("3"); });  // the model's own change is no edit
  wchar_t shown[8] = {};
  GetWindowTextW(ViewOf(setup).WindowOf(setup.Text1), shown, 8);
  EXPECT_EQ(std::wstring(shown), L"3");

  frmOptions& options = s.program.Use<frmOptions>();
  HWND bar = ViewOf(options).WindowOf(options.vsDelay);
  const int before = options.vsDelay.Value();
  // The top of the spinner is 99: its up arrow raises the delay.
  SendMessageW(ViewOf(options).window(), WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(options.vsDelay.Value(), std::min(before + 1, 99));
  SendMessageW(ViewOf(options).window(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(bar));
  SendMessageW(ViewOf(options).window(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(options.vsDelay.Value(), std::min(before + 1, 99) - 2);
  EXPECT_EQ(options.txtDelay.Text(), std::to_string(options.vsDelay.Value()));
}

TEST(Win32Toolkit, AnOwnerNamedByTheHostOwnsTheWindow) {
  test::TestWindow host(300, 200);
  REQUIRE_WINDOW(host);
  Session s;
  frmSetup& setup = s.program.Use<frmSetup>();
  s.program.Dispatch([&] {
    setup.SetOwnerWindow(host.handle());
    setup.Show();
  });
  EXPECT_EQ(GetWindow(ViewOf(setup).window(), GW_OWNER), host.hwnd());
}

// Over the window and over a native control inside a container, whose own cursor would show.
TEST(Win32Toolkit, ThePointerIsHiddenOverOurWindowsWhileTheCursorCountIsBelowZero) {
  Session s;
  frmSetup& setup = s.program.Use<frmSetup>();
  HWND window = ViewOf(setup).window();
  REQUIRE_WINDOW(window);
  s.program.Dispatch([&] { setup.Show(); });
  const auto pointerSet = [](HWND over) {
    SendMessageW(over, WM_SETCURSOR, reinterpret_cast<WPARAM>(over), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor() != nullptr;
  };
  HWND edit = ViewOf(setup).WindowOf(setup.Text1);
  EXPECT_TRUE(pointerSet(window));
  EXPECT_TRUE(pointerSet(edit));
  s.program.sys().ShowCursor(0);
  EXPECT_FALSE(pointerSet(window));
  EXPECT_FALSE(pointerSet(edit));
  s.program.sys().ShowCursor(-1);
  EXPECT_TRUE(pointerSet(window));
  EXPECT_TRUE(pointerSet(edit));
}

// Twips are pixels at the window's own DPI: a window moved onto a monitor of another DPI lays
// its controls out and sizes its text again at that DPI.
TEST(Win32Toolkit, AWindowGivenAnotherDpiLaysItsControlsOutAndSizesItsTextAtIt) {
  Session s;
  frmOptions& options = s.program.Use<frmOptions>();
  HWND window = ViewOf(options).window();
  REQUIRE_WINDOW(window);
  HWND button = ViewOf(options).WindowOf(options.cmdOK);
  const auto pixelWidth = [](HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r.right - r.left;
  };
  const auto textHeight = [](HWND w) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::abs(font.lfHeight);
  };
  const int dpi = ViewOf(options).units().Dpi();
  EXPECT_EQ(pixelWidth(button), win32::Units(dpi).ToPixels(options.cmdOK.Width()));
  const LONG textBefore = textHeight(button);

  RECT suggested{0, 0, 800, 600};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(pixelWidth(button), win32::Units(2 * dpi).ToPixels(options.cmdOK.Width()));
  EXPECT_NEAR(textHeight(button), 2 * textBefore, 1);
}

// A fault of the backend's own code (here a throw in a window procedure) never unwinds through
// the system's code between our procedures: the message is done with, and the program ends as a
// termination ends it, with what the run changed put back.
class ThrowingTarget final : public win32::MessageTarget {
 public:
  explicit ThrowingTarget(win32::Win32Platform& platform) : platform_(platform) {}
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP) throw std::runtime_error("a fault of ours");
    return win32::Next(window, message, wParam, lParam);
  }
  void Fault() override { platform_.Fault(); }

 private:
  win32::Win32Platform& platform_;
};

TEST(Win32Toolkit, AnExceptionInAWindowProcedureEndsTheProgramAsATerminationDoes) {
  Session s("/s");
  s.program.Start(Main);
  REQUIRE_WINDOW(ViewOf(s.program.Use<frmSaver>()).window());
  ASSERT_LT(s.platform.system().Cursor().Count(), 0);
  ThrowingTarget target(s.platform);
  HWND window = win32::CreateOurWindow(target, win32::OurClass(L"Velvora.Test.Throwing"), 0, WS_POPUP, {}, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SendMessageW(window, WM_APP, 0, 0), 0);
  EXPECT_TRUE(s.program.Ended());
  EXPECT_EQ(s.program.Reason(), EndReason::Terminated);
  EXPECT_EQ(s.platform.system().Cursor().Count(), 0);
  DestroyWindow(window);
}

}  // namespace
}  // namespace velvora
