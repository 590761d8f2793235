// The text-to-number conversions on any text: each gives a value or raises its own errors, and
// they agree with one another and with the decimal text of what they give.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "runtime/convert.h"
#include "runtime/errors.h"

using velvora::fuzz::Expect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int64_t leading = velvora::LeadingNumberWide(text);

  try {
    Expect(velvora::LeadingNumber16(text) == leading, "the 16-bit leading number is the wide one");
  } catch (const velvora::RuntimeError& e) {
    Expect(e.Code() == 6 && (leading < INT16_MIN || leading > INT16_MAX), "16-bit overflow only outside 16 bits");
  }

  try {
    const std::int32_t whole = velvora::TextToLong(text);
    Expect(whole == leading, "a whole text is also its leading number");
    Expect(velvora::TextToLong(velvora::DecimalText(whole)) == whole, "the decimal text reads back");
  } catch (const velvora::RuntimeError& e) {
    Expect(e.Code() == 13 || (e.Code() == 6 && (leading < INT32_MIN || leading > INT32_MAX)),
           "type mismatch, or overflow only outside 32 bits");
  }
  return 0;
}
