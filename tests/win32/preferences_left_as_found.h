#pragma once
// A program run by a test ("/s" stores its first preferences) leaves the registry as it found it:
// the program's key is removed again when there was none before, so that the test of where the
// preferences live runs in a fresh prefix instead of skipping.
#include <windows.h>

namespace velvora::test {

class PreferencesLeftAsFound {
 public:
  PreferencesLeftAsFound() {
    HKEY key = nullptr;
    existed_ = RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (existed_) RegCloseKey(key);
  }
  ~PreferencesLeftAsFound() {
    if (existed_) return;
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);  // what it holds
    RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
  }
  PreferencesLeftAsFound(const PreferencesLeftAsFound&) = delete;
  PreferencesLeftAsFound& operator=(const PreferencesLeftAsFound&) = delete;

 private:
  static constexpr const wchar_t* kKey = L"Software\\Velvora";
  bool existed_ = false;
};

}  // namespace velvora::test
