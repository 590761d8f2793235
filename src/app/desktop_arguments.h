#pragma once
// What the desktop program's arguments ask for.
//
// Screen-saver hosts pass the switches ("/s", "/p ID", "/c"...), which start-up reads as one
// line. xscreensaver passes its own conventions: "--root" (its window then comes in the
// XSCREENSAVER_WINDOW variable) or "-window-id ID". Those mean what "/p ID" means: draw the show
// into a window we are given and leave input to its owner, so they become that line. A person at
// a terminal may also ask for the help or the version, which need no display.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velvora::app {

struct Invocation {
  enum class Action { Run, Help, Version, BadWindow };
  Action action = Action::Run;
  // Run: the line start-up reads its switches from.
  std::string commandLine;
  // Run: "--root" outside xscreensaver draws on the screen's root window, whose number only the
  // display can tell; CommandLine fills it in.
  bool onRootWindow = false;
  // BadWindow: the text that is no window number.
  std::string badWindow;

  std::string CommandLine(std::uint32_t rootWindow) const;
};

// `args` are the arguments after the program's name; `xscreensaverWindow` is the variable
// XSCREENSAVER_WINDOW, null when it is not set.
Invocation ReadArguments(std::span<const std::string_view> args, const char* xscreensaverWindow);

// Help and version go to `out` (exit code 0); a bad window number is told on `err` (exit code 2).
int Answer(const Invocation& invocation, std::ostream& out, std::ostream& err);

// A line that started nothing ends quietly for a host; a person at a terminal learns why.
void ExplainNothingStarted(const Invocation& invocation, bool onTerminal, std::ostream& err);

// A window number as X tools write it: hexadecimal after "0x", or decimal. Nothing when the text
// is no number or the number is beyond what start-up reads (31 bits; X uses 29).
std::optional<std::uint32_t> ParseWindowId(std::string_view text);

}  // namespace velvora::app
