#include "backends/win32/win32_window.h"

#include <commctrl.h>

#include "backends/win32/win32_text.h"

namespace velvora::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr const wchar_t* kNameProperty = L"VelvoraName";
// Marks a native control whose procedure we subclassed: what it does not handle goes to its own.
constexpr const wchar_t* kSubclassedProperty = L"VelvoraSubclassed";

void ForgetName(HWND window) {
  if (const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(RemovePropW(window, kNameProperty)))) {
    GlobalDeleteAtom(atom);
  }
}

// Hands a message to its target, never letting an exception through.
LRESULT Deliver(MessageTarget& target, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    ForgetName(window);
    target.WindowGone();
  }
  try {
    return target.Handle(window, message, wParam, lParam);
  } catch (...) {
    target.Fault();
    return Next(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK OurProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* target = reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!target) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return Deliver(*target, window, message, wParam, lParam);
}

LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR data) {
  const LRESULT result = Deliver(*reinterpret_cast<MessageTarget*>(data), window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, SubclassProcedure, kSubclassId);
    RemovePropW(window, kSubclassedProperty);
  }
  return result;
}

}  // namespace

LRESULT Next(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (GetPropW(window, kSubclassedProperty)) return DefSubclassProc(window, message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* OurClass(const wchar_t* name, UINT style, LPCWSTR cursor) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.style = style;
  c.lpfnWndProc = OurProcedure;
  c.hInstance = GetModuleHandleW(nullptr);
  c.hCursor = cursor ? LoadCursorW(nullptr, cursor) : nullptr;
  c.lpszClassName = name;
  RegisterClassExW(&c);  // a second registration fails harmlessly: the class is there
  return name;
}

HWND CreateOurWindow(MessageTarget& target, const wchar_t* className, DWORD exStyle, DWORD style, const RECT& rect,
                     HWND parent, const std::wstring& text, UINT_PTR id) {
  return CreateWindowExW(exStyle, className, text.c_str(), style, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr),
                         &target);
}

HWND CreateSubclassed(MessageTarget& target, const wchar_t* className, DWORD exStyle, DWORD style, HWND parent,
                      UINT_PTR id) {
  HWND window = CreateWindowExW(exStyle, className, L"", style, 0, 0, 0, 0, parent, reinterpret_cast<HMENU>(id),
                                GetModuleHandleW(nullptr), nullptr);
  if (window && SetWindowSubclass(window, SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(&target))) {
    SetPropW(window, kSubclassedProperty, reinterpret_cast<HANDLE>(1));
  }
  return window;
}

void SetWindowName(HWND window, const std::string& name) {
  ForgetName(window);
  if (const ATOM atom = GlobalAddAtomW(Wide(name).c_str())) {
    SetPropW(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
  }
}

std::string WindowName(HWND window) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(window, kNameProperty)));
  wchar_t name[256];
  const UINT length = atom ? GlobalGetAtomNameW(atom, name, 256) : 0;
  return Utf8(std::wstring_view(name, length));
}

}  // namespace velvora::win32
