// The system's dialogs as the toolkit opens them: a message box has exactly the buttons, default
// button, icon, caption and text the core's style and words ask for; the colour dialog opens
// with the current colour (a system colour as this desktop shows it) and gives back the one
// chosen as an RGB colour word.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "test_window.h"
#include "toolkit_session.h"

namespace velvora {
namespace {

// The system's dialogs have this class. A dialog box shows itself only once its loop is idle,
// which the work posted here keeps it from being: it is found made, before it shows.
BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  wchar_t name[16];
  if (!GetClassNameW(window, name, 16) || std::wstring_view(name) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Runs `act` on the box once it is open, from inside the box's own loop (posted work runs there).
void WhenBoxOpens(win32::Win32Platform& platform, std::function<void(HWND)> act, int triesLeft = 400) {
  platform.Post([&platform, act, triesLeft] {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (box) return act(box);
    if (triesLeft == 0) return ADD_FAILURE() << "no box opened";
    Sleep(5);
    WhenBoxOpens(platform, act, triesLeft - 1);
  });
}

void Press(HWND box, int id) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id))); }

struct BoxContents {
  std::wstring caption;
  bool hasText = false;
  HICON icon = nullptr;
};

BOOL CALLBACK ReadChild(HWND child, LPARAM contents) {
  auto& box = *reinterpret_cast<std::pair<BoxContents*, const std::wstring*>*>(contents);
  wchar_t text[128] = {};
  GetWindowTextW(child, text, 128);
  if (box.second && *box.second == text) box.first->hasText = true;
  wchar_t name[16] = {};
  GetClassNameW(child, name, 16);
  if (_wcsicmp(name, L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    box.first->icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
  }
  return TRUE;
}

BoxContents Read(HWND box, const std::wstring& text) {
  BoxContents contents;
  wchar_t caption[64] = {};
  GetWindowTextW(box, caption, 64);
  contents.caption = caption;
  std::pair<BoxContents*, const std::wstring*> context{&contents, &text};
  EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&context));
  return contents;
}

TEST(Win32Dialogs, AMessageBoxHasTheButtonsDefaultIconAndWordsTheCoreAsks) {
  test::ToolkitSession s;
  test::TestWindow probe(10, 10);
  REQUIRE_WINDOW(probe);
  bool seen = false;
  WhenBoxOpens(s.platform, [&](HWND box) {
    seen = true;
    EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
    EXPECT_NE(GetDlgItem(box, IDCANCEL), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDOK), nullptr);
    // The third button is the default.
    EXPECT_EQ(GetWindowLongW(GetDlgItem(box, IDCANCEL), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(GetDlgItem(box, IDYES), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    const BoxContents contents = Read(box, L"Entfernen, Léa?");
    EXPECT_EQ(contents.caption, L"Velvora – Bilder");
    EXPECT_TRUE(contents.hasText);
    EXPECT_EQ(contents.icon, LoadIconW(nullptr, IDI_EXCLAMATION));
    Press(box, IDNO);
  });
  const int answer = s.platform.MsgBox("Entfernen, Léa?", mb::kYesNoCancel | mb::kIconExclamation | mb::kDefaultButton3,
                                       "Velvora – Bilder");
  EXPECT_TRUE(seen);
  EXPECT_EQ(answer, mb::kAnswerNo);

  // The run-time error box: OK alone, the stop sign.
  WhenBoxOpens(s.platform, [&](HWND box) {
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    EXPECT_EQ(Read(box, L"").icon, LoadIconW(nullptr, IDI_HAND));
    Press(box, IDOK);
  });
  s.platform.ShowErrorBox({.number = 6, .text = "Run-time error '6':\n\nOverflow", .caption = "Velvora",
                           .style = mb::kOk | mb::kIconStop});
}

// The red, green and blue boxes of the colour dialog's full form.
constexpr int kRed = 706, kGreen = 707, kBlue = 708;

TEST(Win32Dialogs, TheColourDialogOpensWithTheCurrentColourAndGivesBackTheOneChosen) {
  test::ToolkitSession s;
  test::TestWindow probe(10, 10);
  REQUIRE_WINDOW(probe);
  std::vector<UINT> shown;
  const auto readThen = [&](int press, std::function<void(HWND)> change = {}) {
    WhenBoxOpens(s.platform, [&shown, press, change](HWND box) {
      shown = {GetDlgItemInt(box, kRed, nullptr, FALSE), GetDlgItemInt(box, kGreen, nullptr, FALSE),
               GetDlgItemInt(box, kBlue, nullptr, FALSE)};
      if (change) change(box);
      Press(box, press);
    });
  };

  std::int32_t colour = Rgb(10, 20, 30);
  readThen(IDOK, [](HWND box) { SetDlgItemInt(box, kRed, 200, FALSE); });
  EXPECT_TRUE(s.platform.ChooseColor(colour));
  EXPECT_EQ(shown, std::vector<UINT>({10, 20, 30}));
  EXPECT_EQ(colour, Rgb(200, 20, 30));

  // A system colour opens as this desktop shows it; Cancel leaves the colour word as it was.
  const std::int32_t buttonFace = static_cast<std::int32_t>(0x8000000F);
  colour = buttonFace;
  readThen(IDCANCEL);
  EXPECT_FALSE(s.platform.ChooseColor(colour));
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(shown, std::vector<UINT>({GetRValue(face), GetGValue(face), GetBValue(face)}));
  EXPECT_EQ(colour, buttonFace);
}

}  // namespace
}  // namespace velvora
