#include "app/driver_script.h"

#include <string>

#include "app/driver_commands.h"
#include "app/driver_error.h"
#include "app/driver_session.h"
#include "app/driver_tokens.h"

namespace velvora::driver {
namespace {

CommandTable AllCommands() {
  CommandTable table;
  AddPlatformCommands(table);
  AddProgramCommands(table);
  AddReadCommands(table);
  AddFileCommands(table);
  return table;
}

void Execute(const CommandTable& table, Session& session, const std::vector<std::string>& words) {
  auto command = table.find(words.front());
  if (command == table.end()) throw ScriptError("unknown command " + words.front());
  const Command& c = command->second;
  const std::size_t count = words.size() - 1;
  if (count < c.minArgs || count > c.maxArgs) {
    throw ScriptError("usage: " + words.front() + (c.usage.empty() ? "" : " " + c.usage));
  }
  c.run(session, Args({words.begin() + 1, words.end()}));
}

}  // namespace

int RunScript(std::istream& script, std::ostream& out, std::ostream& err) {
  const CommandTable table = AllCommands();
  int number = 0;
  try {
    Session session(out);
    for (std::string line; std::getline(script, line);) {
      ++number;
      const std::vector<std::string> words = SplitWords(line, session.Folder());
      if (!words.empty()) Execute(table, session, words);
    }
  } catch (const ScriptError& e) {
    out.flush();
    err << "line " << number << ": " << e.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace velvora::driver
