#include "app/driver_json.h"

#include <cmath>
#include <cstdio>

namespace velvora::driver {
namespace {

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    if (c >= 0x80) {
      if ((c & 0xE0) == 0xC0) extra = 1;
      else if ((c & 0xF0) == 0xE0) extra = 2;
      else if ((c & 0xF8) == 0xF0) extra = 3;
      else return false;
    }
    if (i + extra >= text.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

}  // namespace

std::string JsonQuote(std::string_view text) {
  // Texts are UTF-8 when they are valid as such, else 8-bit code-page text read byte by byte.
  const bool utf8 = IsUtf8(text);
  std::string out = "\"";
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else if (c >= 0x80 && !utf8) {
          out += static_cast<char>(0xC0 | (c >> 6));
          out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string JsonArray(const std::vector<std::string>& jsonValues) {
  std::string out = "[";
  for (std::size_t i = 0; i < jsonValues.size(); ++i) out += (i ? "," : "") + jsonValues[i];
  return out + "]";
}

JsonObject::JsonObject(std::vector<std::string> only) : only_(only.begin(), only.end()) {}

JsonObject& JsonObject::Fixed(std::string_view key, const std::string& json) {
  if (body_.size() > 1) body_ += ",";
  body_ += JsonQuote(key) + ":" + json;
  return *this;
}

JsonObject& JsonObject::Raw(std::string_view key, const std::string& json) {
  if (!only_.empty()) {
    if (!only_.count(key)) return *this;
    seen_.emplace(key);
  }
  return Fixed(key, json);
}

void JsonObject::Text(std::string_view key, const std::string& value) { Raw(key, JsonQuote(value)); }

void JsonObject::Number(std::string_view key, double value) {
  if (!std::isfinite(value)) return Empty(key);
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  Raw(key, text);
}

void JsonObject::Integer(std::string_view key, std::int64_t value) { Raw(key, std::to_string(value)); }
void JsonObject::Boolean(std::string_view key, bool value) { Raw(key, value ? "true" : "false"); }
void JsonObject::Empty(std::string_view key) { Raw(key, "null"); }

std::vector<std::string> JsonObject::MissingKeys() const {
  std::vector<std::string> missing;
  for (const std::string& key : only_) {
    if (!seen_.count(key)) missing.push_back(key);
  }
  return missing;
}

}  // namespace velvora::driver
