#pragma once
// What a run of the saver changes on the system, read as another program sees it: the per-user
// preferences in the registry, the taskbar, the system's screen-saver activation; and the
// version of Windows that Wine reports to Velvora.scr.
#include <windows.h>

#include <optional>
#include <string>

namespace velvora::e2e {

// HKEY_CURRENT_USER\Software\Velvora\Settings.
std::optional<std::wstring> Preference(const wchar_t* name);
void StorePreference(const wchar_t* name, const std::wstring& value);
void ForgetPreference(const wchar_t* name);
void ForgetPreferences();

// The taskbar window, waited for (bounded): Wine's comes with its desktop process.
HWND Taskbar();

// SPI_GETSCREENSAVEACTIVE as a program started now reads it: a process reads the setting once
// and keeps it, so this asks a fresh copy of this test program (see e2e_main.cpp).
int ScreenSaverActiveSeenAfresh();
void SetScreenSaverActive(bool active);
inline constexpr const char* kScreenSaverActiveSwitch = "--screen-saver-active";

// The Windows version Wine reports to Velvora.scr (a name winecfg knows: win10, winxp64),
// from VELVORA_E2E_WINDOWS_VERSION, win10 when unset.
std::string WindowsVersionForTheSaver();
// What Wine does for every program named Velvora.scr, until the object goes: it reports that
// version, and manages the windows itself, as Windows does. On a display without a window
// manager (Xvfb's) a framed window would otherwise have no frame, and every showing and hiding
// would wait about two seconds for a manager that is not there.
class SaverUnderWine {
 public:
  SaverUnderWine();
  ~SaverUnderWine();
  SaverUnderWine(const SaverUnderWine&) = delete;
  SaverUnderWine& operator=(const SaverUnderWine&) = delete;
};
// The version's family as the saver tells it: 0 (the 9x line, and every system from 6.0 on),
// where it disables the taskbar while it runs; 2 for the 5.x systems, where it leaves it alone.
bool SaverSeesFamilyZero();

}  // namespace velvora::e2e
