#pragma once
// Permissions that root, too, must respect, so that a test can show what an unreadable file does.
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

// For a child process between fork and exec: it, and the program it runs, are refused files
// that their permissions deny them, also when they run as root (the capabilities that override
// file permissions leave every set, the bounding set included).
void EnforcePermissionsForChild();

}  // namespace velvora::test
