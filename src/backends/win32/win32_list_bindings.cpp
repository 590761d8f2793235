// Bindings of the list box and the file, folder and drive lists: LISTBOX and COMBOBOX controls
// filled from the core's models, rebuilt at most once per turn of the event loop.
#include <memory>

#include "backends/win32/win32_control_binding.h"
#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_platform.h"
#include "backends/win32/win32_text.h"
#include "forms/list_controls.h"

namespace velvora::win32 {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;

// A list box whose entries are rebuilt from the model at most once per turn of the event loop,
// however many entries code adds in one handler; filling it draws nothing until it is full.
class ListBinding : public ControlBinding {
 public:
  ListBinding(Win32FormView& view, Control& control, HWND parent, UINT id) : ControlBinding(view, control) {
    Adopt(CreateSubclassed(*this, L"LISTBOX", WS_EX_CLIENTEDGE,
                           kChild | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, parent, id));
  }
  bool TakesFocus() const override { return true; }

  bool Notified(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    if (message == WM_CTLCOLORLISTBOX) {
      result = reinterpret_cast<LRESULT>(Colours(reinterpret_cast<HDC>(wParam), true));
      return true;
    }
    if (message != WM_COMMAND) return false;
    switch (HIWORD(wParam)) {
      case LBN_SELCHANGE: SelectionChanged(); return true;
      case LBN_DBLCLK: Report({.kind = InputKind::DblClick}); return true;
      default: return false;
    }
  }

 protected:
  virtual std::vector<std::wstring> Entries() const = 0;
  virtual int CurrentRow() const = 0;
  // The user moved the selection: the list, file and drive lists select that entry.
  virtual void SelectionChanged() {
    const auto row = static_cast<int>(SendMessageW(window(), LB_GETCURSEL, 0, 0));
    if (row >= 0) Report({.kind = InputKind::Select, .index = row});
    if (control()) ShowCurrentRow();
  }
  void ApplyOwn(Prop what) override {
    if (what == Prop::Items || what == Prop::Path) {
      ScheduleRebuild();
    } else if (what == Prop::ListIndex && !rebuildPending_) {
      ShowCurrentRow();
    }
  }
  void ShowCurrentRow() { SendMessageW(window(), LB_SETCURSEL, static_cast<WPARAM>(CurrentRow()), 0); }

 private:
  void ScheduleRebuild() {
    if (rebuildPending_) return;
    rebuildPending_ = true;
    std::weak_ptr<bool> alive = alive_;
    view()->platform().Post([this, alive] {
      if (alive.expired()) return;
      rebuildPending_ = false;
      if (control() && window()) Rebuild();
    });
  }
  void Rebuild() {
    const std::vector<std::wstring> entries = Entries();
    std::size_t characters = 0;
    for (const std::wstring& entry : entries) characters += entry.size() + 1;
    SendMessageW(window(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(window(), LB_RESETCONTENT, 0, 0);
    SendMessageW(window(), LB_INITSTORAGE, entries.size(), static_cast<LPARAM>(characters * sizeof(wchar_t)));
    for (const std::wstring& entry : entries) SendMessageW(window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    ShowCurrentRow();
    SendMessageW(window(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window(), nullptr, TRUE);
  }

  bool rebuildPending_ = false;
  // Work posted for this binding finds it gone once its form's view has let it go.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

std::vector<std::wstring> WideEntries(const std::vector<std::string>& items) {
  std::vector<std::wstring> entries;
  entries.reserve(items.size());
  for (const std::string& item : items) entries.push_back(Wide(item));
  return entries;
}

// The list box and the file list: a list of texts with one selected entry.
template <class Model>
class TextListBinding final : public ListBinding {
 public:
  TextListBinding(Win32FormView& view, Model& model, HWND parent, UINT id)
      : ListBinding(view, model, parent, id), model_(model) {}

 protected:
  std::vector<std::wstring> Entries() const override { return WideEntries(model_.Items()); }
  int CurrentRow() const override { return model_.ListIndex(); }

 private:
  Model& model_;
};

// The folders from the root down to the current one, then its subfolders, indented; a click
// (or Enter) opens a folder, as its tooltip says. Moving through it with the arrows opens none.
class DirListBinding final : public ListBinding {
 public:
  DirListBinding(Win32FormView& view, DirList& dirs, HWND parent, UINT id)
      : ListBinding(view, dirs, parent, id), dirs_(dirs) {}

 protected:
  std::vector<std::wstring> Entries() const override {
    std::vector<std::wstring> entries;
    for (const DirList::Entry& entry : dirs_.Entries()) {
      std::wstring path = Wide(entry.path);
      std::wstring name = path;
      if (entry.depth > 0) {
        while (name.size() > 1 && (name.back() == L'\\' || name.back() == L'/')) name.pop_back();
        const std::size_t cut = name.find_last_of(L"\\/");
        if (cut != std::wstring::npos) name = name.substr(cut + 1);
      }
      entries.push_back(std::wstring(static_cast<std::size_t>(entry.depth) * 2, L' ') + name);
    }
    return entries;
  }
  int CurrentRow() const override { return dirs_.CurrentEntry(); }
  void SelectionChanged() override {}
  LRESULT Own(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    const LRESULT result = Next(window, message, wParam, lParam);
    const bool clicked = message == WM_LBUTTONUP && HIWORD(SendMessageW(window, LB_ITEMFROMPOINT, 0, lParam)) == 0;
    if (clicked || (message == WM_KEYDOWN && wParam == VK_RETURN)) Open();
    return result;
  }

 private:
  void Open() {
    const auto row = static_cast<int>(SendMessageW(window(), LB_GETCURSEL, 0, 0));
    if (row >= 0) Report({.kind = InputKind::Select, .index = row});
  }
  DirList& dirs_;
};

class DriveListBinding final : public ControlBinding {
 public:
  DriveListBinding(Win32FormView& view, DriveList& drives, HWND parent, UINT id)
      : ControlBinding(view, drives), drives_(drives) {
    Adopt(CreateSubclassed(*this, L"COMBOBOX", 0, kChild | WS_VSCROLL | CBS_DROPDOWNLIST, parent, id));
  }
  bool TakesFocus() const override { return true; }

  bool Notified(UINT message, WPARAM wParam, LPARAM, LRESULT&) override {
    if (message != WM_COMMAND) return false;
    const WORD code = HIWORD(wParam);
    // A choice made in the open list, or with the arrows on the closed one.
    const bool chosen = code == CBN_SELENDOK ||
                        (code == CBN_SELCHANGE && !SendMessageW(window(), CB_GETDROPPEDSTATE, 0, 0));
    if (!chosen) return false;
    const auto index = static_cast<int>(SendMessageW(window(), CB_GETCURSEL, 0, 0));
    if (index >= 0) Report({.kind = InputKind::Select, .index = index});
    Apply(Prop::Value);
    return true;
  }

 protected:
  void ApplyOwn(Prop what) override {
    if (what != Prop::Items && what != Prop::Value) return;
    const std::vector<std::string>& items = drives_.Items();
    if (what == Prop::Items || SendMessageW(window(), CB_GETCOUNT, 0, 0) != static_cast<LRESULT>(items.size())) {
      SendMessageW(window(), CB_RESETCONTENT, 0, 0);
      for (const std::string& item : items) {
        SendMessageW(window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
      }
    }
    int current = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == drives_.Drive()) current = static_cast<int>(i);
    }
    SendMessageW(window(), CB_SETCURSEL, static_cast<WPARAM>(current), 0);
  }
  // The window's height includes the list it drops down.
  void ApplyGeometry() override {
    const Control& c = *control();
    const RECT r = units().PixelRect(c.Left(), c.Top(), c.Width(), c.Height());
    const int dropped = 8 * static_cast<int>(SendMessageW(window(), CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(window(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top + dropped,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  DriveList& drives_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindList(Win32FormView& view, Control& c, HWND parent, UINT id) {
  switch (c.Kind()) {
    case ControlKind::ListBox:
      return std::make_unique<TextListBinding<ListBox>>(view, static_cast<ListBox&>(c), parent, id);
    case ControlKind::FileList:
      return std::make_unique<TextListBinding<FileList>>(view, static_cast<FileList&>(c), parent, id);
    case ControlKind::DirList: return std::make_unique<DirListBinding>(view, static_cast<DirList&>(c), parent, id);
    case ControlKind::DriveList:
      return std::make_unique<DriveListBinding>(view, static_cast<DriveList&>(c), parent, id);
    default: return nullptr;
  }
}

}  // namespace velvora::win32
