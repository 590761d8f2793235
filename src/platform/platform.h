#pragma once
// The three services a backend provides to the core.
#include "platform/settings_store.h"
#include "platform/system.h"
#include "platform/toolkit.h"

namespace velvora {

struct Platform {
  System& system;
  Toolkit& toolkit;
  SettingsStore& store;
};

}  // namespace velvora
