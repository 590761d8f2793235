#include "system_state.h"

#include <cstdlib>

#include "backends/win32/win32_text.h"
#include "scr_run.h"

namespace velvora::e2e {
namespace {

constexpr const wchar_t* kSettingsKey = L"Software\\Velvora\\Settings";
constexpr const wchar_t* kSaverDefaults = L"Software\\Wine\\AppDefaults\\Velvora.scr";

}  // namespace

std::optional<std::wstring> Preference(const wchar_t* name) {
  wchar_t value[256] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(value);
}

void StorePreference(const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void ForgetPreference(const wchar_t* name) { RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name); }

void ForgetPreferences() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Velvora"); }

HWND Taskbar() {
  HWND taskbar = nullptr;
  WaitFor([&] { return (taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) != nullptr; }, 10000);
  return taskbar;
}

int ScreenSaverActiveSeenAfresh() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring line = L"\"" + std::wstring(self) + L"\" " + win32::Wide(kScreenSaverActiveSwitch);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION probe{};
  if (!CreateProcessW(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &probe)) return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(probe.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(probe.hProcess, &code);
  CloseHandle(probe.hThread);
  CloseHandle(probe.hProcess);
  return static_cast<int>(code);
}

void SetScreenSaverActive(bool active) { SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, active, nullptr, 0); }

std::string WindowsVersionForTheSaver() {
  const char* version = std::getenv("VELVORA_E2E_WINDOWS_VERSION");
  return version && *version ? version : "win10";
}

SaverUnderWine::SaverUnderWine() {
  const std::wstring version = win32::Wide(WindowsVersionForTheSaver());
  RegSetKeyValueW(HKEY_CURRENT_USER, kSaverDefaults, L"Version", REG_SZ, version.c_str(),
                  static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
  const std::wstring key = std::wstring(kSaverDefaults) + L"\\X11 Driver";
  RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Managed", REG_SZ, L"N", 2 * sizeof(wchar_t));
}

SaverUnderWine::~SaverUnderWine() { RegDeleteTreeW(HKEY_CURRENT_USER, kSaverDefaults); }

bool SaverSeesFamilyZero() {
  const std::string version = WindowsVersionForTheSaver();
  return version.rfind("winxp", 0) != 0 && version != "win2k" && version != "win2003";
}

}  // namespace velvora::e2e
