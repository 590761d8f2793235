// The per-user store on the simulated platform: in memory.
#include "backends/sim/sim_platform.h"

namespace velvora {

std::string SimPlatform::GetSetting(const std::string& app, const std::string& section,
                                    const std::string& key, const std::string& fallback) {
  auto it = store_.find({app, section, key});
  return it == store_.end() ? fallback : it->second;
}

void SimPlatform::SaveSetting(const std::string& app, const std::string& section,
                              const std::string& key, const std::string& value) {
  store_[{app, section, key}] = value;
}

}  // namespace velvora
