// Commands that script the simulated platform: what it answers and how it is set up.
#include <regex>

#include "app/driver_commands.h"
#include "app/driver_error.h"
#include "forms/program.h"
#include "platform/toolkit.h"

namespace velvora::driver {
namespace {

int MessageBoxAnswer(const std::string& word) {
  if (word == "ok") return mb::kAnswerOk;
  if (word == "cancel") return mb::kAnswerCancel;
  if (word == "yes") return mb::kAnswerYes;
  if (word == "no") return mb::kAnswerNo;
  return static_cast<int>(Args({word}).Integer(0, "a message-box answer"));
}

void Version(Session& s, const Args& a) {
  if (a.Size() == 1 && a[0] == "fails") {
    s.Sim().versions.queryFails = true;
    return;
  }
  if (a.Size() != 3) throw ScriptError("usage: version MAJOR MINOR PLATFORMID | version fails");
  s.Sim().versions = {static_cast<std::uint32_t>(a.Int32(0, "the major version")),
                      static_cast<std::uint32_t>(a.Int32(1, "the minor version")),
                      static_cast<std::uint32_t>(a.Int32(2, "the platform id")), false};
}

void Taskbar(Session& s, const Args& a) {
  for (const std::string& word : a.From(0)) {
    if (word == "present" || word == "absent") s.Sim().taskbar.present = word == "present";
    else if (word == "enabled" || word == "disabled") s.Sim().taskbar.enabled = word == "enabled";
    else throw ScriptError("taskbar takes present, absent, enabled or disabled, not \"" + word + "\"");
  }
}

void PasswordService(Session& s, const Args& a) {
  if (a[0] != "present" && a[0] != "absent") throw ScriptError("password-service takes present or absent");
  s.Sim().passwordServices = a[0] == "present";
}

void PasswordAnswers(Session& s, const Args& a) {
  for (std::size_t i = 0; i < a.Size(); ++i) s.Sim().passwordAnswers.push_back(a.Int32(i, "a password answer"));
}

void Host(Session& s, const Args& a) {
  s.Sim().hostWindows[a.Int32(0, "the host window")] = {a.Int32(1, "the width"), a.Int32(2, "the height")};
}

void Screen(Session& s, const Args& a) {
  s.Sim().screenWidth = a.Int32(0, "the screen width");
  s.Sim().screenHeight = a.Int32(1, "the screen height");
}

// "WIDTHxHEIGHT", or "WIDTHxHEIGHT+LEFT+TOP" where each sign is the coordinate's own
// ("1024x768-1024+0" lies left of the primary), in pixels.
SimPlatform::MonitorArea ParseMonitor(const std::string& word) {
  static const std::regex kMonitor(R"(([0-9]{1,5})x([0-9]{1,5})(([+-][0-9]{1,5})([+-][0-9]{1,5}))?)");
  std::smatch m;
  if (!std::regex_match(word, m, kMonitor) || std::stoi(m[1]) == 0 || std::stoi(m[2]) == 0) {
    throw ScriptError("a monitor is WIDTHxHEIGHT or WIDTHxHEIGHT+LEFT+TOP, not \"" + word + "\"");
  }
  return {.left = m[3].matched ? std::stoi(m[4]) : 0,
          .top = m[3].matched ? std::stoi(m[5]) : 0,
          .width = std::stoi(m[1]),
          .height = std::stoi(m[2])};
}

// The primary monitor first (always at 0, 0), then the others.
void Monitors(Session& s, const Args& a) {
  const SimPlatform::MonitorArea primary = ParseMonitor(a[0]);
  if (primary.left != 0 || primary.top != 0) throw ScriptError("the primary monitor lies at 0, 0");
  std::vector<SimPlatform::MonitorArea> others;
  for (std::size_t i = 1; i < a.Size(); ++i) others.push_back(ParseMonitor(a[i]));
  s.ChangeMonitors(primary.width, primary.height, std::move(others));
}

void MessageBoxAnswers(Session& s, const Args& a) {
  for (const std::string& word : a.From(0)) s.Sim().messageBoxAnswers.push_back(MessageBoxAnswer(word));
}

void ColourAnswers(Session& s, const Args& a) {
  for (const std::string& word : a.From(0)) {
    if (word == "cancel") s.Sim().colourAnswers.emplace_back(std::nullopt);
    else s.Sim().colourAnswers.emplace_back(ParseColour(word));
  }
}

void StoreSet(Session& s, const Args& a) {
  s.Sim().Store()[{Program::kTitle, "Settings", a[0]}] = a[1];
}

void Drives(Session& s, const Args& a) { s.Sim().drives = a.From(0); }

void Folder(Session& s, const Args& a) { s.UseFolder(a[0]); }

}  // namespace

void AddPlatformCommands(CommandTable& t) {
  t["version"] = {"MAJOR MINOR PLATFORMID | fails", 1, 3, Version};
  t["taskbar"] = {"present|absent|enabled|disabled...", 1, kAnyNumber, Taskbar};
  t["password-service"] = {"present|absent", 1, 1, PasswordService};
  t["password-answers"] = {"RESULT...", 1, kAnyNumber, PasswordAnswers};
  t["host"] = {"HWND WIDTH HEIGHT", 3, 3, Host};
  t["screen"] = {"WIDTH HEIGHT", 2, 2, Screen};
  t["monitors"] = {"WxH [WxH+X+Y...]", 1, kAnyNumber, Monitors};
  t["msgbox-answers"] = {"ok|cancel|yes|no|NUMBER...", 1, kAnyNumber, MessageBoxAnswers};
  t["colour-answers"] = {"#RRGGBB|NUMBER|cancel...", 1, kAnyNumber, ColourAnswers};
  t["store-set"] = {"NAME VALUE", 2, 2, StoreSet};
  t["drives"] = {"ROOT...", 1, kAnyNumber, Drives};
  t["folder"] = {"PATH", 1, 1, Folder};
}

}  // namespace velvora::driver
