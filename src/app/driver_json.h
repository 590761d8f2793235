#pragma once
// One JSON object per line: what every read of the scripted driver prints.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "forms/describe.h"

namespace velvora::driver {

// The text as a JSON string, quotes included; control characters are escaped.
std::string JsonQuote(std::string_view text);
std::string JsonArray(const std::vector<std::string>& jsonValues);

// Builds one object. With a key filter only the listed keys are kept (Fixed ignores it);
// MissingKeys names the listed keys that never came.
class JsonObject final : public PropertySink {
 public:
  explicit JsonObject(std::vector<std::string> only = {});

  JsonObject& Fixed(std::string_view key, const std::string& json);
  JsonObject& Raw(std::string_view key, const std::string& json);

  void Text(std::string_view key, const std::string& value) override;
  void Number(std::string_view key, double value) override;
  void Integer(std::string_view key, std::int64_t value) override;
  void Boolean(std::string_view key, bool value) override;
  void Empty(std::string_view key) override;
  bool Wants(std::string_view key) const override { return only_.empty() || only_.count(key) > 0; }

  std::vector<std::string> MissingKeys() const;
  std::string Str() const { return body_ + "}"; }

 private:
  std::set<std::string, std::less<>> only_;
  std::set<std::string, std::less<>> seen_;
  std::string body_ = "{";
};

}  // namespace velvora::driver
