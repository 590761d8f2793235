// Commands that read what the program shows and did; each prints one JSON object on one line.
#include <algorithm>

#include "app/driver_commands.h"
#include "app/driver_error.h"

namespace velvora::driver {
namespace {

std::string Strings(const std::vector<std::string>& texts) {
  std::vector<std::string> quoted;
  for (const std::string& text : texts) quoted.push_back(JsonQuote(text));
  return JsonArray(quoted);
}

// A form's or control's properties; a form's own variables and its window follow its properties.
void Get(Session& s, const Args& a) {
  const Target t = s.Find(a[0]);
  JsonObject json(a.From(1));
  json.Fixed("target", JsonQuote(a[0]));
  if (t.control) {
    t.control->Describe(json);
  } else {
    t.form->Describe(json);
    json.Integer("WindowStyle", s.Sim().WindowStyle(t.form->hWnd()));
    json.Integer("ParentWindow", s.Sim().ParentOf(t.form->hWnd()));
  }
  s.Print(json);
}

void Status(Session& s, const Args& a) {
  JsonObject json(a.From(0));
  json.Boolean("started", s.Started());
  if (s.Started()) {
    const Program& p = s.CurrentProgram();
    json.Boolean("ended", p.Ended());
    json.Text("reason", EndReasonName(p.Reason()));
    std::vector<std::string> forms;
    for (const Form* form : p.LoadedForms()) forms.push_back(form->Name());
    json.Raw("forms", Strings(forms));
    json.Integer("PreviewMode", p.PreviewMode);
    json.Text("IntervalUnit", p.IntervalUnit);
    json.Integer("TaskbarWnd", p.TaskbarWnd);
    json.Integer("TaskbarWasDisabled", p.TaskbarWasDisabled);
  }
  json.Integer("time", s.Sim().Now());
  json.Integer("cursorCount", s.Sim().CursorCount());
  json.Boolean("screenSaverActive", s.Sim().ScreenSaverActive());
  json.Boolean("taskbarEnabled", s.Sim().taskbar.enabled);
  json.Text("folder", s.Folder());
  s.Print(json);
}

// The system calls made so far, in order; names given: only those calls.
void Calls(Session& s, const Args& a) {
  const std::vector<std::string> only = a.From(0);
  std::vector<std::string> calls;
  for (const SimCall& call : s.Sim().Calls()) {
    if (!only.empty() && std::find(only.begin(), only.end(), call.name) == only.end()) continue;
    calls.push_back(JsonObject().Fixed("name", JsonQuote(call.name)).Fixed("args", Strings(call.args)).Str());
  }
  s.Print(JsonObject().Fixed("calls", JsonArray(calls)));
}

// Prints {"key":[...]} with one object per item, filled in by `fill`.
template <class Items, class Fill>
void PrintList(Session& s, const char* key, const Items& items, Fill fill) {
  std::vector<std::string> objects;
  for (const auto& item : items) {
    JsonObject json;
    fill(json, item);
    objects.push_back(json.Str());
  }
  s.Print(JsonObject().Fixed(key, JsonArray(objects)));
}

void MessageBoxes(Session& s, const Args&) {
  PrintList(s, "msgboxes", s.Sim().MessageBoxes(), [](JsonObject& json, const SimMessageBox& box) {
    json.Text("text", box.text);
    json.Text("title", box.title);
    json.Integer("style", box.style);
    json.Integer("answer", box.answer);
  });
}

void ErrorBoxes(Session& s, const Args&) {
  PrintList(s, "errors", s.Sim().ErrorBoxes(), [](JsonObject& json, const SimErrorBox& box) {
    json.Integer("number", box.number);
    json.Text("text", box.text);
  });
}

void Colours(Session& s, const Args&) {
  std::vector<std::string> opened;
  for (Colour c : s.Sim().ColourDialogs()) opened.push_back(std::to_string(c));
  s.Print(JsonObject().Fixed("colourDialogs", JsonArray(opened)));
}

void Store(Session& s, const Args&) {
  JsonObject json;
  for (const auto& [key, value] : s.Sim().Store()) {
    const auto& [app, section, name] = key;
    json.Text(app + "/" + section + "/" + name, value);
  }
  s.Print(JsonObject().Fixed("store", json.Str()));
}

// Each monitor (pixels) and the shown windows that cover it exactly.
void Covers(Session& s, const Args&) {
  const auto pixels = [](float twips) { return static_cast<std::int64_t>(twips / SimPlatform::kTwipsPerPixel); };
  const std::vector<Form*> shown = s.Sim().ShownForms();
  int number = 0;
  PrintList(s, "covers", s.Sim().Monitors(), [&](JsonObject& json, const Monitor& monitor) {
    const TwipsRect& a = monitor.area;
    std::vector<std::string> forms;
    for (const Form* form : shown) {
      if (form->Left() == a.left && form->Top() == a.top && form->Width() == a.width && form->Height() == a.height) {
        forms.push_back(form->Name());
      }
    }
    json.Integer("monitor", ++number);
    json.Boolean("primary", monitor.primary);
    json.Integer("left", pixels(a.left));
    json.Integer("top", pixels(a.top));
    json.Integer("width", pixels(a.width));
    json.Integer("height", pixels(a.height));
    json.Raw("forms", Strings(forms));
  });
}

}  // namespace

void AddReadCommands(CommandTable& t) {
  t["get"] = {"TARGET [NAME...]", 1, kAnyNumber, Get};
  t["status"] = {"[NAME...]", 0, kAnyNumber, Status};
  t["calls"] = {"[CALLNAME...]", 0, kAnyNumber, Calls};
  t["msgboxes"] = {"", 0, 0, MessageBoxes};
  t["errors"] = {"", 0, 0, ErrorBoxes};
  t["colour-dialogs"] = {"", 0, 0, Colours};
  t["store"] = {"", 0, 0, Store};
  t["covers"] = {"", 0, 0, Covers};
  t["echo"] = {"TEXT", 1, 1, [](Session& s, const Args& a) {
    s.Print(JsonObject().Fixed("echo", JsonQuote(a[0])));
  }};
}

}  // namespace velvora::driver
