#include "app/desktop_arguments.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <ostream>

namespace velvora::app {
namespace {

constexpr std::string_view kHelp =
    "Usage: velvora [SWITCH]\n"
    "A picture slideshow screen saver.\n"
    "\n"
    "The switches of screen-saver hosts:\n"
    "  /s             the slideshow full screen; moving the mouse or a key ends it\n"
    "  /p ID          the slideshow inside the X window ID (a decimal number), as a preview;\n"
    "                 input is left to that window's owner\n"
    "  /c             the settings: pictures, interval and placement (also with no switch)\n"
    "  /o             the background colour and the start delay\n"
    "\n"
    "xscreensaver's conventions (the slideshow as in a preview, filling the window):\n"
    "  --root, -root  into xscreensaver's window (XSCREENSAVER_WINDOW), or onto the root\n"
    "                 window when started outside xscreensaver\n"
    "  -window-id ID  into the X window ID (hexadecimal after 0x, or decimal)\n"
    "  Started by xscreensaver with no switch, it draws into xscreensaver's window too.\n"
    "\n"
    "  -h, --help     show this help\n"
    "  --version      show the version\n";

bool Has(std::span<const std::string_view> args, std::initializer_list<std::string_view> names) {
  return std::ranges::any_of(args, [&](std::string_view arg) { return std::ranges::find(names, arg) != names.end(); });
}

std::string Joined(std::span<const std::string_view> args) {
  std::string line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i > 0) line += ' ';
    line += args[i];
  }
  return line;
}

// The preview's line for a window given by a host that is not a Windows one.
Invocation IntoWindow(std::string_view id) {
  const std::optional<std::uint32_t> window = ParseWindowId(id);
  if (!window) return {.action = Invocation::Action::BadWindow, .badWindow = std::string(id)};
  return {.commandLine = "/p " + std::to_string(*window)};
}

}  // namespace

std::string Invocation::CommandLine(std::uint32_t rootWindow) const {
  return onRootWindow ? "/p " + std::to_string(rootWindow) : commandLine;
}

Invocation ReadArguments(std::span<const std::string_view> args, const char* xscreensaverWindow) {
  const std::string_view given = xscreensaverWindow ? xscreensaverWindow : "";
  if (Has(args, {"-h", "--help"})) return {.action = Invocation::Action::Help};
  if (Has(args, {"--version"})) return {.action = Invocation::Action::Version};
  const auto windowId = std::ranges::find_if(
      args, [](std::string_view arg) { return arg == "-window-id" || arg == "--window-id"; });
  if (windowId != args.end()) return IntoWindow(windowId + 1 != args.end() ? *(windowId + 1) : "");
  if (Has(args, {"-root", "--root"})) {
    if (!given.empty()) return IntoWindow(given);
    return {.onRootWindow = true};
  }
  // xscreensaver runs whatever its list says; an entry without "--root" still means its window.
  if (args.empty() && !given.empty()) return IntoWindow(given);
  return {.commandLine = Joined(args)};
}

int Answer(const Invocation& invocation, std::ostream& out, std::ostream& err) {
  switch (invocation.action) {
    case Invocation::Action::Help:
      out << kHelp;
      return 0;
    case Invocation::Action::Version:
      out << "velvora " << VELVORA_VERSION << '\n';
      return 0;
    case Invocation::Action::BadWindow:
      err << "velvora: \"" << invocation.badWindow << "\" is no window number\n";
      return 2;
    case Invocation::Action::Run:
      break;
  }
  return 0;
}

void ExplainNothingStarted(const Invocation& invocation, bool onTerminal, std::ostream& err) {
  if (!onTerminal) return;
  err << "velvora: \"" << invocation.commandLine << "\" starts nothing; velvora --help lists the switches\n";
}

std::optional<std::uint32_t> ParseWindowId(std::string_view text) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  std::uint32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  if (value > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) return std::nullopt;
  return value;
}

}  // namespace velvora::app
