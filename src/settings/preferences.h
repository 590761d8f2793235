#pragma once
// The per-user preferences "Delay" and "BackColor" (application "Velvora", section "Settings")
// and the rules that supply their defaults.
#include <cstdint>
#include <string>

#include "forms/types.h"
#include "platform/settings_store.h"

namespace velvora {

// "Delay" as a whole number (0 when missing); 0 stores "2" and gives 2. A text that is no
// number raises 13.
std::int32_t ReadDelay(SettingsStore& store);

// "BackColor": when missing or empty, the reading window's current colour is stored first;
// then the stored text as a whole number (13 when it is none).
Colour ReadBackColor(SettingsStore& store, Colour currentBackColor);

void WriteDelay(SettingsStore& store, const std::string& text);
void WriteBackColor(SettingsStore& store, Colour colour);

}  // namespace velvora
