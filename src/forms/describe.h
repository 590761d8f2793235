#pragma once
// A read-only listing of named values, for the scripted driver and diagnostics.
#include <cstdint>
#include <string>
#include <string_view>

namespace velvora {

class PropertySink {
 public:
  virtual ~PropertySink() = default;
  virtual void Text(std::string_view name, const std::string& value) = 0;
  virtual void Number(std::string_view name, double value) = 0;
  virtual void Integer(std::string_view name, std::int64_t value) = 0;
  virtual void Boolean(std::string_view name, bool value) = 0;
  virtual void Empty(std::string_view name) = 0;  // an unset value
  // False for a value the reader does not want, so one that is costly to work out is skipped.
  virtual bool Wants(std::string_view /*name*/) const { return true; }
};

}  // namespace velvora
