#pragma once
// Which family of the system the program runs on: 0 for the 9x family or a system not
// recognised, 1 for NT 4, 2 for the 5.x systems. Callers only ask whether it is 0.
#include <cstdint>

#include "platform/system.h"

namespace velvora::mdlWinVersion {

struct VersionNumbers {
  std::int32_t major = 0;
  std::int32_t minor = 0;
  std::int32_t platformId = 0;
};

// Asks the platform afresh on every call; a failed query gives zeros.
VersionNumbers GetVersionNumbers(System& system);
std::int16_t GetWindowsFamily(System& system);

}  // namespace velvora::mdlWinVersion
