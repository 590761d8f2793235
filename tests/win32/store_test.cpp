// The per-user store in the registry.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "backends/win32/win32_store.h"
#include "forms/program.h"
#include "settings/preferences.h"

namespace velvora {
namespace {

using win32::RegistryStore;

// A key of the test's own under HKEY_CURRENT_USER\Software, removed afterwards.
class TestKey {
 public:
  explicit TestKey(std::wstring app) : app_(std::move(app)) { Remove(); }
  ~TestKey() { Remove(); }
  TestKey(const TestKey&) = delete;
  TestKey& operator=(const TestKey&) = delete;

  std::wstring Path() const { return L"Software\\" + app_ + L"\\Settings"; }
  // The raw value: its type and text.
  std::pair<DWORD, std::wstring> Raw(const wchar_t* name) const {
    DWORD type = 0, size = 0;
    wchar_t text[256] = {};
    size = sizeof text - sizeof(wchar_t);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Path().c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    return {type, text};
  }
  void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) const {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, Path().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }

 private:
  void Remove() const {
    RegDeleteKeyW(HKEY_CURRENT_USER, Path().c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, (L"Software\\" + app_).c_str());
  }
  std::wstring app_;
};

TEST(RegistryStore, StringValuesRoundTripUnderSoftwareAppSection) {
  const TestKey key(L"VelvoraStoreTest");
  RegistryStore store;
  EXPECT_EQ(store.GetSetting("VelvoraStoreTest", "Settings", "Delay", "fallback"), "fallback");
  store.SaveSetting("VelvoraStoreTest", "Settings", "Delay", "2");
  store.SaveSetting("VelvoraStoreTest", "Settings", "Name", "Grüße ✓ 日本");
  EXPECT_EQ(store.GetSetting("VelvoraStoreTest", "Settings", "Delay", ""), "2");
  EXPECT_EQ(store.GetSetting("VelvoraStoreTest", "Settings", "Name", ""), "Grüße ✓ 日本");
  EXPECT_EQ(key.Raw(L"Delay"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"2")));
  EXPECT_EQ(key.Raw(L"Name").second, L"Gr\u00FC\u00DFe \u2713 \u65E5\u672C");
  store.SaveSetting("VelvoraStoreTest", "Settings", "Delay", "");
  EXPECT_EQ(store.GetSetting("VelvoraStoreTest", "Settings", "Delay", "fallback"), "");
}

// Values written by hand: no terminating null, or no text at all.
TEST(RegistryStore, ReadsStringsWithoutTheirNullAndIgnoresOtherTypes) {
  const TestKey key(L"VelvoraStoreTest");
  key.Put(L"Bare", REG_SZ, L"12345", 5 * sizeof(wchar_t));
  const DWORD number = 7;
  key.Put(L"Number", REG_DWORD, &number, sizeof number);
  RegistryStore store;
  EXPECT_EQ(store.GetSetting("VelvoraStoreTest", "Settings", "Bare", ""), "12345");
  EXPECT_EQ(store.GetSetting("VelvoraStoreTest", "Settings", "Number", "fallback"), "fallback");
}

// The preferences of the program land in HKEY_CURRENT_USER\Software\Velvora\Settings.
TEST(RegistryStore, PreferencesOfTheProgramLiveUnderItsTitle) {
  HKEY existing = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Velvora", 0, KEY_READ, &existing) == ERROR_SUCCESS) {
    RegCloseKey(existing);
    GTEST_SKIP() << "Velvora's settings exist here; the test leaves them alone";
  }
  const TestKey key(L"Velvora");
  RegistryStore store;
  EXPECT_EQ(ReadDelay(store), 2);
  EXPECT_EQ(ReadBackColor(store, SystemColour(15)), SystemColour(15));
  EXPECT_EQ(key.Raw(L"Delay"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"2")));
  EXPECT_EQ(key.Raw(L"BackColor"), std::make_pair(DWORD{REG_SZ}, std::wstring(L"-2147483633")));
}

}  // namespace
}  // namespace velvora
