#include "app/driver_tokens.h"

#include "app/driver_error.h"

namespace velvora::driver {
namespace {

constexpr std::string_view kFolderVariable = "$FOLDER";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  throw ScriptError("bad \\x escape");
}

// Reads the escape after a backslash at line[i] and returns the character; i moves past it.
char Escape(std::string_view line, std::size_t& i) {
  if (++i >= line.size()) throw ScriptError("a backslash ends the line");
  switch (line[i]) {
    case '"': return '"';
    case '\\': return '\\';
    case '$': return '$';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'x': {
      if (i + 2 >= line.size()) throw ScriptError("bad \\x escape");
      const int value = HexDigit(line[i + 1]) * 16 + HexDigit(line[i + 2]);
      i += 2;
      return static_cast<char>(value);
    }
    default: throw ScriptError(std::string("unknown escape \\") + line[i]);
  }
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A '#' starts a comment as the line's first word, or standing alone ("# note"), so that
// colour words such as #FF0000 stay words.
bool StartsComment(std::string_view line, std::size_t i, bool firstWord) {
  return line[i] == '#' && (firstWord || i + 1 == line.size() || IsBlank(line[i + 1]));
}

}  // namespace

std::vector<std::string> SplitWords(std::string_view line, const std::string& folder) {
  std::vector<std::string> words;
  std::size_t i = 0;
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size() || StartsComment(line, i, words.empty())) return words;
    const bool quoted = line[i] == '"';
    if (quoted) ++i;
    std::string word;
    for (;; ++i) {
      if (i == line.size()) {
        if (quoted) throw ScriptError("a quoted word is not closed");
        break;
      }
      const char c = line[i];
      if (quoted ? c == '"' : IsBlank(c)) break;
      if (c == '\\' && quoted) {
        word += Escape(line, i);
      } else if (line.substr(i, kFolderVariable.size()) == kFolderVariable) {
        word += folder;
        i += kFolderVariable.size() - 1;
      } else {
        word += c;
      }
    }
    if (quoted) {
      ++i;  // the closing quote
      if (i < line.size() && !IsBlank(line[i])) throw ScriptError("a quoted word must be followed by a blank");
    }
    words.push_back(std::move(word));
  }
}

}  // namespace velvora::driver
