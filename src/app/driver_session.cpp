#include "app/driver_session.h"

#include <filesystem>

#include "app/driver_commands.h"
#include "app/driver_error.h"
#include "platform/file_path.h"
#include "saver/frm_saver.h"
#include "startup/main_mode.h"

namespace velvora::driver {
namespace {

namespace fs = std::filesystem;

std::string MakeTempFolder() {
  std::string folder = CreateFreshTempFolder("velvora-sim-");
  if (folder.empty()) throw ScriptError("cannot create a temporary program folder");
  return folder;
}

// What a script has told the platform so far, moved to the platform of a new process.
void CarryOver(SimPlatform& from, SimPlatform& to) {
  to.versions = from.versions;
  to.taskbar = from.taskbar;
  to.passwordServices = from.passwordServices;
  to.passwordAnswers = from.passwordAnswers;
  to.messageBoxAnswers = from.messageBoxAnswers;
  to.colourAnswers = from.colourAnswers;
  to.hostWindows = from.hostWindows;
  to.screenWidth = from.screenWidth;
  to.screenHeight = from.screenHeight;
  to.otherMonitors = from.otherMonitors;
  to.drives = from.drives;
  to.Store() = from.Store();
}

}  // namespace

Session::Session(std::ostream& out) : out_(out), ownFolder_(MakeTempFolder()), folder_(ownFolder_) {
  sim_ = std::make_unique<SimPlatform>(folder_);
}

Session::~Session() {
  program_.reset();  // before the platform it runs on
  sim_.reset();
  std::error_code ec;
  fs::remove_all(FilePath(ownFolder_), ec);
}

std::string Session::PathInFolder(const std::string& name) const {
  if (name.empty() || FilePath(name).has_root_path()) {  // "/x" and "C:x" name no file of the folder
    throw ScriptError("file names are relative to the program folder: \"" + name + "\"");
  }
  return Utf8Path(FilePath(folder_) / FilePath(name));
}

void Session::NewPlatform(const std::string& folder) {
  auto fresh = std::make_unique<SimPlatform>(folder);
  CarryOver(*sim_, *fresh);
  program_.reset();
  sim_ = std::move(fresh);
  folder_ = folder;
}

void Session::UseFolder(const std::string& folder) {
  if (Running()) throw ScriptError("the program folder cannot change while the program runs");
  std::error_code ec;
  if (!fs::is_directory(FilePath(folder), ec)) throw ScriptError("no such folder: " + folder);
  NewPlatform(Utf8Path(fs::absolute(FilePath(folder)).lexically_normal()));
}

void Session::Start(const std::string& commandLine) {
  if (Running()) throw ScriptError("the program is still running");
  if (program_) NewPlatform(folder_);
  program_ = std::make_unique<Program>(sim_->platform(), commandLine);
  program_->Start(Main);
  // The event loop begins: what loading and showing queued is delivered.
  if (!program_->Ended()) sim_->RunPending();
}

void Session::Kill() {
  if (!program_) throw ScriptError("the program has not been started");
  NewPlatform(folder_);
}

Program& Session::CurrentProgram() const {
  if (!program_) throw ScriptError("the program has not been started");
  return *program_;
}

Form* Session::FindForm(const std::string& name) const {
  const std::size_t at = name.find('@');
  if (at == std::string::npos || name.substr(0, at) != SaverMirror::kName) return CurrentProgram().FindForm(name);
  const std::vector<Monitor> monitors = sim_->Monitors();
  const std::int64_t number = Args({name.substr(at + 1)}).Integer(0, "a monitor number");
  const frmSaver* saver = CurrentProgram().IfLoaded<frmSaver>();
  if (number < 1 || number > static_cast<std::int64_t>(monitors.size()) || !saver) return nullptr;
  const TwipsRect& area = monitors[static_cast<std::size_t>(number - 1)].area;
  for (const auto& view : saver->Mirrors().Views()) {
    const TwipsRect& m = view->Monitor();
    if (m.left == area.left && m.top == area.top && m.width == area.width && m.height == area.height) return view.get();
  }
  return nullptr;
}

Target Session::Find(const std::string& name) const {
  const std::size_t dot = name.find('.');
  const std::string formName = name.substr(0, dot);
  Form* form = FindForm(formName);
  if (!form) throw ScriptError(formName + " is not loaded");
  if (dot == std::string::npos) return {form, nullptr};
  const std::string controlName = name.substr(dot + 1);
  Control* control = form->Find(controlName);
  if (!control) throw ScriptError(formName + " has no control " + controlName);
  return {form, control};
}

void Session::RequireRunning() const {
  if (!Running()) throw ScriptError(program_ ? "the program has ended" : "the program has not been started");
}

void Session::Input(const std::string& target, const InputEvent& event) {
  RequireRunning();
  Target t = Find(target);
  program_->Raise(*t.form, t.control, event);
  if (!program_->Ended()) sim_->RunPending();
}

void Session::Terminate() {
  RequireRunning();
  program_->Terminate();
}

void Session::DestroyHost(Hwnd host) {
  if (!sim_->hostWindows.count(host)) throw ScriptError("no host window " + std::to_string(host));
  sim_->DestroyHost(host);
  if (Running()) sim_->RunPending();
}

void Session::ChangeMonitors(int primaryWidth, int primaryHeight, std::vector<SimPlatform::MonitorArea> others) {
  sim_->screenWidth = primaryWidth;
  sim_->screenHeight = primaryHeight;
  sim_->otherMonitors = std::move(others);
  if (!Running()) return;
  program_->MonitorsChanged();
  if (Running()) sim_->RunPending();
}

void Session::Print(const JsonObject& object) {
  if (auto missing = object.MissingKeys(); !missing.empty()) {
    throw ScriptError("no value named " + missing.front());
  }
  out_ << object.Str() << '\n';
}

}  // namespace velvora::driver
