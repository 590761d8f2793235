#pragma once
// Signed 16-bit values as the behaviour counts them: every counter, index and sum is checked
// against -32768..32767 and leaving that range is an overflow error (6).
#include <cstdint>

#include "runtime/errors.h"

namespace velvora {

// 16-bit booleans: true is -1, false is 0.
using Bool16 = std::int16_t;
inline constexpr Bool16 kTrue16 = -1;
inline constexpr Bool16 kFalse16 = 0;
inline constexpr Bool16 ToBool16(bool b) { return b ? kTrue16 : kFalse16; }

inline std::int16_t Checked16(std::int64_t v) {
  if (v < INT16_MIN || v > INT16_MAX) Raise(ErrorNumber::Overflow);
  return static_cast<std::int16_t>(v);
}
inline std::int16_t Add16(std::int64_t a, std::int64_t b) { return Checked16(a + b); }
inline std::int16_t Sub16(std::int64_t a, std::int64_t b) { return Checked16(a - b); }
inline std::int16_t Mul16(std::int64_t a, std::int64_t b) { return Checked16(a * b); }

inline std::int32_t Checked32(std::int64_t v) {
  if (v < INT32_MIN || v > INT32_MAX) Raise(ErrorNumber::Overflow);
  return static_cast<std::int32_t>(v);
}

}  // namespace velvora
