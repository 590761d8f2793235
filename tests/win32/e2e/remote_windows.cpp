#include "remote_windows.h"

#include <cstdlib>
#include <vector>

#include "backends/win32/win32_text.h"
#include "backends/win32/win32_window.h"
#include "scr_run.h"

namespace velvora::e2e {
namespace {

constexpr UINT kAnswerWithin = 5000;  // ms a window has to answer a message

BOOL CALLBACK Collect(HWND window, LPARAM data) {
  const std::string name = win32::WindowName(window);
  if (!name.empty()) reinterpret_cast<std::map<std::string, HWND>*>(data)->emplace(name, window);
  return TRUE;
}

LPARAM Middle(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return MAKELPARAM(client.right / 2, client.bottom / 2);
}

}  // namespace

Controls::Controls(HWND window) { EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&byName_)); }

HWND Controls::operator[](const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

std::wstring Controls::Text(const std::string& name) const {
  HWND window = (*this)[name];
  return window ? TextOf(window) : L"<no control " + win32::Wide(name) + L">";
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerWithin, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      kAnswerWithin, &copied);
  text.resize(copied);
  return text;
}

bool Checked(HWND button) {
  DWORD_PTR state = 0;
  SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kAnswerWithin, &state);
  return state == BST_CHECKED;
}

int ListCount(HWND list) {
  DWORD_PTR count = 0;
  SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kAnswerWithin, &count);
  return static_cast<int>(count);
}

std::wstring ListItem(HWND list, int index) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(list, LB_GETTEXTLEN, index, 0, SMTO_ABORTIFHUNG, kAnswerWithin, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      kAnswerWithin, &copied);
  text.resize(copied == static_cast<DWORD_PTR>(LB_ERR) ? 0 : copied);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

void Click(HWND control) {
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, Middle(control));
  PostMessageW(control, WM_LBUTTONUP, 0, Middle(control));
}

void Type(HWND edit, const std::wstring& text) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(edit, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, kAnswerWithin, &ignored);
  for (wchar_t c : text) PostMessageW(edit, WM_CHAR, c, 1);
}

void MovePointer(int x, int y) {
  const RECT screen = ScreenRect();
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(x, 65535, screen.right - 1);
  input.mi.dy = MulDiv(y, 65535, screen.bottom - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

RECT ScreenRect() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

test::Pixels Capture(const RECT& area) {
  test::Pixels pixels{area.right - area.left, area.bottom - area.top, {}};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), pixels.width, -pixels.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib) {
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, pixels.width, pixels.height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels.argb.assign(first, first + static_cast<std::size_t>(pixels.width) * pixels.height);
    for (auto& p : pixels.argb) p |= 0xFF000000u;
    SelectObject(memory, old);
    DeleteObject(dib);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Settled: the same pixels for half a second (a window of another program paints its frame
// and its controls when it gets to them).
test::Pixels CaptureSettled(const RECT& area) {
  test::Pixels last = Capture(area);
  ULONGLONG unchangedSince = GetTickCount64();
  WaitFor(
      [&] {
        test::Pixels next = Capture(area);
        if (next.argb != last.argb) {
          last = std::move(next);
          unchangedSince = GetTickCount64();
        }
        return GetTickCount64() - unchangedSince >= 500;
      },
      5000);
  return last;
}

std::uint32_t PixelAt(const test::Pixels& pixels, int x, int y) {
  return pixels.argb[static_cast<std::size_t>(y) * pixels.width + x] & 0xFFFFFFu;
}

void Screenshot(const RECT& area, const std::string& name) {
  const char* folder = std::getenv("VELVORA_E2E_SCREENSHOTS");
  if (!folder || !*folder) return;
  const std::wstring path = HostPath(std::string(folder) + "/" + name + ".png");
  CreateDirectoryW(HostPath(folder).c_str(), nullptr);
  test::EncodeWithImagingComponent(test::Encoder::Png, win32::Utf8(path), CaptureSettled(area));
}

}  // namespace velvora::e2e
