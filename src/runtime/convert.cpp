#include "runtime/convert.h"

#include <cmath>
#include <limits>

#include "runtime/errors.h"
#include "runtime/int16.h"

namespace velvora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A parsed decimal number, rounded half to even, saturated far beyond every range we check.
struct Parsed {
  bool found = false;     // at least one digit
  std::size_t end = 0;    // index just past the number
  std::int64_t value = 0; // rounded, saturated
};

constexpr std::int64_t kSaturate = std::int64_t{1} << 40;

Parsed ParseNumber(std::string_view t, std::size_t i) {
  Parsed p;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    negative = t[i] == '-';
    ++i;
  }
  std::int64_t whole = 0;
  while (i < t.size() && IsDigit(t[i])) {
    p.found = true;
    whole = std::min(kSaturate, whole * 10 + (t[i] - '0'));
    ++i;
  }
  // Fraction: decide the rounding exactly from its digits, no floating point.
  int firstFraction = -1;
  bool restNonZero = false;
  if (i < t.size() && t[i] == '.') {
    std::size_t j = i + 1;
    while (j < t.size() && IsDigit(t[j])) {
      if (firstFraction < 0) {
        firstFraction = t[j] - '0';
      } else if (t[j] != '0') {
        restNonZero = true;
      }
      ++j;
    }
    if (j > i + 1) p.found = true;
    if (p.found) i = j;
  }
  if (firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1))) ++whole;
  p.value = negative ? -whole : whole;
  p.end = i;
  return p;
}

}  // namespace

std::int32_t TextToLong(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  Parsed p = ParseNumber(text, i);
  if (!p.found) Raise(ErrorNumber::TypeMismatch);
  std::size_t j = p.end;
  while (j < text.size() && IsBlank(text[j])) ++j;
  if (j != text.size()) Raise(ErrorNumber::TypeMismatch);
  return Checked32(p.value);
}

std::int64_t LeadingNumberWide(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  Parsed p = ParseNumber(text, i);
  return p.found ? p.value : 0;
}

std::int16_t LeadingNumber16(std::string_view text) { return Checked16(LeadingNumberWide(text)); }

double RoundHalfEven(double v) { return std::nearbyint(v); }

std::string DecimalText(std::int64_t v) { return std::to_string(v); }

}  // namespace velvora
