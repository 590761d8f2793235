#pragma once
// The text-to-number conversions the behaviour relies on, each implemented once.
#include <cstdint>
#include <string>
#include <string_view>

namespace velvora {

// Whole-number conversion to a signed 32-bit integer: a decimal number (optional sign, digits,
// optional fraction rounded half to even), blanks around it allowed. Empty or non-numeric text
// raises a type mismatch (13); a value outside the 32-bit range raises an overflow (6).
std::int32_t TextToLong(std::string_view text);

// Leading-number value: the number at the start of the text (leading blanks skipped, optional
// sign, digits with an optional decimal fraction; 0 when the text does not start with one),
// rounded half to even into a signed 16-bit integer; outside the range raises an overflow (6).
std::int16_t LeadingNumber16(std::string_view text);

// The same leading number rounded half to even but not range-checked (saturated at the
// 64-bit limits), for callers that cap or widen instead of failing.
std::int64_t LeadingNumberWide(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour (single precision input
// is widened exactly).
double RoundHalfEven(double v);

// Signed decimal text of a 32-bit value, as numbers are written to the store ("-2147483633").
std::string DecimalText(std::int64_t v);

}  // namespace velvora
