#include "startup/main_mode.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "runtime/convert.h"
#include "runtime/errors.h"
#include "runtime/int16.h"
#include "saver/frm_saver.h"
#include "setup/frm_setup.h"
#include "guards/mdl_win_version.h"
#include "windows/frm_options.h"

namespace velvora {
namespace {

std::string_view TrimSpaces(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string UpperCase(std::string_view s) {
  std::string upper(s);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper;
}

// A switch anywhere in the line, with either case of its (lower-case) letter.
bool HasSwitch(std::string_view line, char letter) {
  const char upper = static_cast<char>(letter - 'a' + 'A');
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i - 1] == '/' && (line[i] == letter || line[i] == upper)) return true;
  }
  return false;
}

// Windows' Screen Saver Settings pass "/c:" and the number of their window, which then owns
// the dialog. 0 when the first "/c" of the line names no such number.
Hwnd ConfigurationOwner(std::string_view line) {
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i - 1] != '/' || (line[i] != 'c' && line[i] != 'C')) continue;
    if (i + 1 >= line.size() || line[i + 1] != ':') return 0;
    std::uint64_t number = 0;
    std::size_t digits = 0;
    for (std::size_t j = i + 2; j < line.size() && line[j] >= '0' && line[j] <= '9' && digits <= 10; ++j, ++digits) {
      number = number * 10 + static_cast<std::uint64_t>(line[j] - '0');
    }
    // Window numbers are 32 bits; a longer one names no window.
    return digits == 0 || number > 0xFFFFFFFFu ? 0 : static_cast<Hwnd>(static_cast<std::uint32_t>(number));
  }
  return 0;
}

// The last `count` characters of the text; a negative count is an invalid call.
std::string_view Right(std::string_view s, std::int64_t count) {
  if (count < 0) Raise(ErrorNumber::InvalidProcedureCall);
  const auto n = std::min<std::size_t>(static_cast<std::size_t>(count), s.size());
  return s.substr(s.size() - n);
}

// Every use of the slideshow window goes through the program-wide instance, so its handle is
// read afresh each time (a window unloaded in between would be built anew).
frmSaver& Saver(Program& program) { return program.Use<frmSaver>(); }

[[noreturn]] void ChangePassword(Program& program, std::string_view line) {
  const Hwnd parent = TextToLong(Right(line, static_cast<std::int64_t>(line.size()) - 3));
  // Without the password service there is no dialog to show; the mode ends all the same.
  if (program.sys().HasPasswordServices()) {
    program.sys().PwdChangePasswordA("SCRSAVE", parent, 0, 0);
  }
  program.End();
}

void StartPreview(Program& program, std::string_view parseText) {
  program.PreviewMode = kTrue16;
  const Hwnd host = ParseWindowHandle(parseText);
  WinRect client;
  program.sys().GetClientRect(host, client);
  const std::int32_t width = client.right;
  const std::int32_t height = client.bottom;

  Saver(program);  // loads it; its load handler sees PreviewMode true
  Saver(program).SetCaption("Preview");
  System& sys = program.sys();
  sys.SetWindowLongA(Saver(program).hWnd(), kGwlStyle,
                     sys.GetWindowLongA(Saver(program).hWnd(), kGwlStyle) | kWsChild);
  sys.SetParent(Saver(program).hWnd(), host);
  sys.SetWindowLongA(Saver(program).hWnd(), kGwlHwndParent, host);
  // The only thing that makes the preview visible.
  sys.SetWindowPos(Saver(program).hWnd(), 0, 0, 0, width, height,
                   kSwpNoZOrder | kSwpNoActivate | kSwpShowWindow);
  // A host that does not exist (a stale number) or is already gone would leave an invisible
  // program running for ever: the preview ends as when its host goes away later.
  if (!sys.IsWindow(host)) Saver(program).Input({.kind = InputKind::HostGone});
}

void StartFullScreen(Program& program) {
  program.sys().SystemParametersInfoA(kSpiSetScreenSaveActive, 0, nullptr, 0);
  Saver(program);  // loads it
  Saver(program).SetWindowState(WindowState::Maximized);
  Saver(program).Show();
  program.sys().SetWindowPos(Saver(program).hWnd(), kHwndTopmost, 0, 0, 0, 0,
                             kSwpNoSize | kSwpNoMove);
  // Lets the window handle what loading and showing queued before start-up returns.
  program.DoEvents();
  Saver(program).Show();
}

}  // namespace

void Main(Program& program) {
  const std::string& line = program.Command();
  const std::string parseText = UpperCase(TrimSpaces(line));
  const std::string_view prefix = std::string_view(line).substr(0, 2);
  program.PreviewMode = kFalse16;

  if (prefix == "/a" && mdlWinVersion::GetWindowsFamily(program.sys()) == 0) {
    ChangePassword(program, line);
  }
  if (prefix == "/p") {
    StartPreview(program, parseText);
    return;
  }
  // No switch at all (opened from a file manager, or "Configure" on a host that passes none)
  // configures, as "/c" does: ending silently would look broken.
  if (line.empty() || HasSwitch(line, 'c')) {
    frmSetup& setup = program.Use<frmSetup>();
    if (const Hwnd owner = ConfigurationOwner(line)) setup.SetOwnerWindow(owner);
    setup.Show();
    return;
  }
  // The options dialog, which nothing else opens; no screen-saver host passes "/o".
  if (HasSwitch(line, 'o')) {
    program.Use<frmOptions>().Show();
    return;
  }
  if (HasSwitch(line, 's')) StartFullScreen(program);
}

std::int32_t ParseWindowHandle(std::string_view text) {
  const std::string_view t = TrimSpaces(text);
  std::int16_t n = Checked16(static_cast<std::int64_t>(t.size()));
  auto isDigitAt = [t](std::int16_t position) {
    const char c = t[static_cast<std::size_t>(position - 1)];
    return c >= '0' && c <= '9';
  };
  while (n >= 1 && isDigitAt(n)) n = Sub16(n, 1);
  return TextToLong(t.substr(static_cast<std::size_t>(n)));
}

}  // namespace velvora
