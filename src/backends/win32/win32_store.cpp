#include "backends/win32/win32_store.h"

#include <windows.h>

#include "backends/win32/win32_text.h"

namespace velvora::win32 {
namespace {

std::wstring KeyPath(const std::string& app, const std::string& section) {
  return L"Software\\" + Wide(app) + L"\\" + Wide(section);
}

class Key {
 public:
  explicit Key(HKEY key) : key_(key) {}
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_;
};

}  // namespace

// A value that is missing or holds no text gives the fallback, as a missing one does.
std::string RegistryStore::GetSetting(const std::string& app, const std::string& section,
                                      const std::string& key, const std::string& fallback) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return fallback;
  }
  const Key settings(opened);
  const std::wstring name = Wide(key);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(settings.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return fallback;
  }
  // One more character than asked for: a stored string need not end in a null.
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  DWORD got = size;
  if (RegQueryValueExW(settings.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got) !=
      ERROR_SUCCESS) {
    return fallback;
  }
  text.resize(got / sizeof(wchar_t));
  if (const std::size_t end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
  return Utf8(text);
}

void RegistryStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                const std::string& value) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS) {
    return;
  }
  const Key settings(created);
  const std::wstring text = Wide(value);
  RegSetValueExW(settings.get(), Wide(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace velvora::win32
