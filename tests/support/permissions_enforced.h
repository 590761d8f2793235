#pragma once
// While one lives, the calling thread is refused files that their permissions deny it, also
// when it runs as root: the capabilities that override file permissions leave its effective set
// (they stay permitted, so the destructor can take them back).

namespace velvora::test {

class PermissionsEnforced {
 public:
  PermissionsEnforced();
  ~PermissionsEnforced();
  PermissionsEnforced(const PermissionsEnforced&) = delete;
  PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

 private:
  unsigned savedEffective_ = 0;
  bool changed_ = false;
};

}  // namespace velvora::test
