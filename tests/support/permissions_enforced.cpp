#include "support/permissions_enforced.h"

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <initializer_list>

namespace velvora::test {
namespace {

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool Capabilities(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return syscall(SYS_capget, &header, data) == 0;
}

bool SetCapabilities(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

PermissionsEnforced::PermissionsEnforced() {
  __user_cap_data_struct data[2]{};
  if (!Capabilities(data) || (data[0].effective & kOverrides) == 0) return;
  savedEffective_ = data[0].effective;
  data[0].effective &= ~kOverrides;
  changed_ = SetCapabilities(data);
}

PermissionsEnforced::~PermissionsEnforced() {
  __user_cap_data_struct data[2]{};
  if (!changed_ || !Capabilities(data)) return;
  data[0].effective = savedEffective_;
  SetCapabilities(data);
}

void EnforcePermissionsForChild() {
  for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) prctl(PR_CAPBSET_DROP, capability, 0, 0, 0);
  prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0);
  __user_cap_data_struct data[2]{};
  if (!Capabilities(data)) return;
  data[0].effective &= ~kOverrides;
  data[0].permitted &= ~kOverrides;
  data[0].inheritable &= ~kOverrides;
  SetCapabilities(data);
}

}  // namespace velvora::test
