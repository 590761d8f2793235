#include "settings/preferences.h"

#include "forms/program.h"
#include "runtime/convert.h"

namespace velvora {
namespace {
constexpr const char* kSection = "Settings";
}  // namespace

std::int32_t ReadDelay(SettingsStore& store) {
  std::int32_t delay = TextToLong(store.GetSetting(Program::kTitle, kSection, "Delay", "0"));
  if (delay == 0) {
    store.SaveSetting(Program::kTitle, kSection, "Delay", "2");
    delay = 2;
  }
  return delay;
}

Colour ReadBackColor(SettingsStore& store, Colour currentBackColor) {
  if (store.GetSetting(Program::kTitle, kSection, "BackColor", "").empty()) {
    WriteBackColor(store, currentBackColor);
  }
  return TextToLong(store.GetSetting(Program::kTitle, kSection, "BackColor", "0"));
}

void WriteDelay(SettingsStore& store, const std::string& text) {
  store.SaveSetting(Program::kTitle, kSection, "Delay", text);
}

void WriteBackColor(SettingsStore& store, Colour colour) {
  store.SaveSetting(Program::kTitle, kSection, "BackColor", DecimalText(colour));
}

}  // namespace velvora
