#include "app/driver_commands.h"

#include <charconv>

#include "app/driver_error.h"
#include "forms/types.h"

namespace velvora::driver {

std::vector<std::string> Args::From(std::size_t from) const {
  if (from >= words_.size()) return {};
  return {words_.begin() + static_cast<std::ptrdiff_t>(from), words_.end()};
}

std::int64_t Args::Integer(std::size_t i, const char* what) const {
  const std::string& word = words_.at(i);
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) {
    throw ScriptError(std::string(what) + " must be a whole number, not \"" + word + "\"");
  }
  return value;
}

std::int32_t Args::Int32(std::size_t i, const char* what) const {
  const std::int64_t value = Integer(i, what);
  if (value < INT32_MIN || value > INT32_MAX) throw ScriptError(std::string(what) + " is out of range");
  return static_cast<std::int32_t>(value);
}

bool Args::OnOff(std::size_t i) const {
  if (words_.at(i) == "on") return true;
  if (words_.at(i) == "off") return false;
  throw ScriptError("expected on or off, not \"" + words_.at(i) + "\"");
}

std::int32_t ParseColour(const std::string& word) {
  if (word.size() == 7 && word[0] == '#') {
    unsigned rgb = 0;
    auto [end, error] = std::from_chars(word.data() + 1, word.data() + 7, rgb, 16);
    if (error == std::errc() && end == word.data() + 7) {
      return Rgb(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
    }
  }
  return Args({word}).Int32(0, "a colour");
}

}  // namespace velvora::driver
