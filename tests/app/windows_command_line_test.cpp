// What Velvora.scr reads of the command line Windows gives it: the text after the program's name
// and its one separator, exactly as the host wrote it.
#include <gtest/gtest.h>

#include "app/windows_command_line.h"

namespace velvora::app {
namespace {

TEST(WindowsCommandLine, TheTextAfterTheNameAndOneSeparatorIsKeptAsGiven) {
  const std::pair<std::wstring_view, std::wstring_view> cases[] = {
      {LR"("C:\Program Files\Velvora\Velvora.scr" /p 1234)", L"/p 1234"},
      {LR"(C:\WINDOWS\VELVOR~1.SCR /s)", L"/s"},
      {LR"(Velvora.scr  /p 1234)", L" /p 1234"},  // a blank before the switch is the host's
      {L"Velvora.scr\t/c:4711 ", L"/c:4711 "},
      {LR"("C:\a b\Velvora".scr /c)", L"/c"},      // the name goes on after its quotes
      {L"Velvora.scr", L""},
      {L"Velvora.scr ", L""},
      {LR"("C:\unclosed /s)", L""},
      {L"", L""},
  };
  for (const auto& [line, tail] : cases) EXPECT_EQ(CommandTail(line), tail) << std::wstring(line).size();
}

}  // namespace
}  // namespace velvora::app
