#pragma once
// The services a backend provides to the core.
#include "platform/code_page.h"
#include "platform/settings_store.h"
#include "platform/system.h"
#include "platform/toolkit.h"

namespace velvora {

struct Platform {
  System& system;
  Toolkit& toolkit;
  SettingsStore& store;
  // How the system's text files spell text; only Windows needs a conversion.
  const CodePage& codePage = Utf8CodePage();
};

}  // namespace velvora
