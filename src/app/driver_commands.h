#pragma once
// The script commands: a table from command name to what it does. Each group of commands
// lives in its own file and adds itself to the table.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/driver_session.h"

namespace velvora::driver {

// The words after the command name.
class Args {
 public:
  explicit Args(std::vector<std::string> words) : words_(std::move(words)) {}
  std::size_t Size() const { return words_.size(); }
  const std::string& operator[](std::size_t i) const { return words_.at(i); }
  // The words from position `from` on (key filters, lists of answers).
  std::vector<std::string> From(std::size_t from) const;
  // A whole decimal number; anything else is a script error naming `what`.
  std::int64_t Integer(std::size_t i, const char* what) const;
  std::int32_t Int32(std::size_t i, const char* what) const;
  bool OnOff(std::size_t i) const;  // "on" or "off"

 private:
  std::vector<std::string> words_;
};

struct Command {
  std::string usage;  // the arguments, for error messages
  std::size_t minArgs = 0;
  std::size_t maxArgs = 0;  // kAnyNumber: no limit
  std::function<void(Session&, const Args&)> run;
};
inline constexpr std::size_t kAnyNumber = static_cast<std::size_t>(-1);

using CommandTable = std::map<std::string, Command, std::less<>>;

void AddPlatformCommands(CommandTable& table);  // the simulated platform's script
void AddProgramCommands(CommandTable& table);   // start, time, input
void AddReadCommands(CommandTable& table);      // what the program shows and did
void AddFileCommands(CommandTable& table);      // files in the program folder

// A colour word: "#RRGGBB" or a decimal number.
std::int32_t ParseColour(const std::string& word);

}  // namespace velvora::driver
