#pragma once
// How far the process's memory peaks grow from a moment on: resident memory (what was touched)
// and the address space (what was reserved, touched or not). Linux only.
#include <fstream>
#include <string>

namespace velvora::test {

class MemoryPeaks {
 public:
  MemoryPeaks() {
    std::ofstream("/proc/self/clear_refs") << "5";  // resets the resident peak
    resident_ = Read("VmHWM:");
    reserved_ = Read("VmPeak:");
  }
  long ResidentGrowthMb() const { return (Read("VmHWM:") - resident_) / 1024; }
  long ReservedGrowthMb() const { return (Read("VmPeak:") - reserved_) / 1024; }

 private:
  static long Read(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
      if (line.starts_with(field)) return std::stol(line.substr(field.size()));
    }
    return 0;
  }
  long resident_ = 0;
  long reserved_ = 0;
};

}  // namespace velvora::test
