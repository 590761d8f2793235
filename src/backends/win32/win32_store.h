#pragma once
// The per-user store in the registry: HKEY_CURRENT_USER\Software\<application>\<section>, one
// string value per name. Text is UTF-8 in the core and UTF-16 in the registry.
#include "platform/settings_store.h"

namespace velvora::win32 {

class RegistryStore final : public SettingsStore {
 public:
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& fallback) override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

}  // namespace velvora::win32
