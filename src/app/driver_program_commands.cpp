// Commands that run the program: start it, let time pass, give it user input.
#include "app/driver_commands.h"
#include "app/driver_error.h"

namespace velvora::driver {
namespace {

// The first word names the form or control that gets the input.
void Raise(Session& s, const Args& a, InputEvent event) { s.Input(a[0], event); }

void Advance(Session& s, const Args& a) {
  const std::int64_t ms = a.Integer(0, "the time in milliseconds");
  if (ms < 0) throw ScriptError("time does not run backwards");
  s.Sim().Advance(ms);
}

void KeyDown(Session& s, const Args& a) {
  Raise(s, a, {.kind = InputKind::KeyDown,
               .shift = a.Size() > 2 ? a.Int32(2, "the shift state") : 0,
               .key = a.Int32(1, "the key code")});
}

void MouseMove(Session& s, const Args& a) {
  Raise(s, a, {.kind = InputKind::MouseMove,
               .button = a.Size() > 3 ? a.Int32(3, "the button state") : 0,
               .shift = a.Size() > 4 ? a.Int32(4, "the shift state") : 0,
               .x = static_cast<float>(a.Integer(1, "x")),
               .y = static_cast<float>(a.Integer(2, "y"))});
}

}  // namespace

void AddProgramCommands(CommandTable& t) {
  t["start"] = {"\"COMMAND LINE\" [FOLDER]", 1, 2, [](Session& s, const Args& a) {
    if (a.Size() > 1) s.UseFolder(a[1]);
    s.Start(a[0]);
  }};
  t["kill"] = {"", 0, 0, [](Session& s, const Args&) { s.Kill(); }};
  t["terminate"] = {"", 0, 0, [](Session& s, const Args&) { s.Terminate(); }};
  t["destroy-host"] = {"HWND", 1, 1, [](Session& s, const Args& a) { s.DestroyHost(a.Int32(0, "the host window")); }};
  t["advance"] = {"MILLISECONDS", 1, 1, Advance};
  t["click"] = {"TARGET", 1, 1, [](Session& s, const Args& a) { Raise(s, a, {.kind = InputKind::Click}); }};
  t["dblclick"] = {"TARGET", 1, 1, [](Session& s, const Args& a) { Raise(s, a, {.kind = InputKind::DblClick}); }};
  t["keydown"] = {"TARGET KEY [SHIFT]", 2, 3, KeyDown};
  t["keypress"] = {"TARGET CHARCODE", 2, 2, [](Session& s, const Args& a) {
    Raise(s, a, {.kind = InputKind::KeyPress, .key = a.Int32(1, "the character code")});
  }};
  t["mousemove"] = {"TARGET X Y [BUTTON [SHIFT]]", 3, 5, MouseMove};
  t["select"] = {"TARGET INDEX", 2, 2, [](Session& s, const Args& a) {
    Raise(s, a, {.kind = InputKind::Select, .index = a.Int32(1, "the index")});
  }};
  t["type"] = {"TARGET TEXT", 2, 2, [](Session& s, const Args& a) {
    Raise(s, a, {.kind = InputKind::TypeText, .text = a[1]});
  }};
  t["scroll"] = {"TARGET VALUE", 2, 2, [](Session& s, const Args& a) {
    Raise(s, a, {.kind = InputKind::Scroll, .value = a.Int32(1, "the value")});
  }};
  t["highlight"] = {"TARGET on|off", 2, 2, [](Session& s, const Args& a) {
    Raise(s, a, {.kind = a.OnOff(1) ? InputKind::HighlightOn : InputKind::HighlightOff});
  }};
  t["closebox"] = {"FORM", 1, 1, [](Session& s, const Args& a) { Raise(s, a, {.kind = InputKind::CloseBox}); }};
}

}  // namespace velvora::driver
