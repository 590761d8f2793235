#pragma once
#include <cstdint>

namespace velvora {

// The program's one pseudo-random generator: single-precision values in [0, 1), never seeded
// from the clock, so every run draws the same sequence. A 24-bit linear congruential generator:
// every value is exactly representable as a float.
class Random {
 public:
  float Next();

 private:
  std::uint32_t state_ = 0x50000;
};

}  // namespace velvora
