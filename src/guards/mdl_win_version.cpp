#include "guards/mdl_win_version.h"

namespace velvora::mdlWinVersion {

VersionNumbers GetVersionNumbers(System& system) {
  OsVersionInfo info{};
  info.size = sizeof(OsVersionInfo);
  system.GetVersionExA(info);
  return {static_cast<std::int32_t>(info.major), static_cast<std::int32_t>(info.minor),
          static_cast<std::int32_t>(info.platformId)};
}

std::int16_t GetWindowsFamily(System& system) {
  std::int16_t code = 0;
  VersionNumbers v = GetVersionNumbers(system);
  if (v.major == 4) {
    if (v.platformId == 2) code = 1;
  } else if (v.major == 5) {
    code = 2;
  }
  return code;
}

}  // namespace velvora::mdlWinVersion
