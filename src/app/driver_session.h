#pragma once
// What a script drives: the simulated platform, the program folder and, once started, the
// program. Each start is a new process on the same machine: the per-user store and the
// scripted answers carry over, the call log, the clock and the boxes shown begin anew.
#include <memory>
#include <ostream>
#include <string>

#include "app/driver_json.h"
#include "forms/program.h"
#include "backends/sim/sim_platform.h"

namespace velvora::driver {

// A form, or one of its controls, named "frmSetup" or "frmSetup.cmdExit"; the slideshow's view
// on monitor N (counted from 1, the primary, in the order of the script's `monitors`) is
// "SaverMirror@N".
struct Target {
  Form* form = nullptr;
  Control* control = nullptr;  // null: the form itself
};

class Session {
 public:
  explicit Session(std::ostream& out);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  SimPlatform& Sim() { return *sim_; }
  const std::string& Folder() const { return folder_; }
  // A file name inside the program folder; absolute names are refused.
  std::string PathInFolder(const std::string& name) const;
  // Moves the program folder; only while no program runs.
  void UseFolder(const std::string& folder);

  // Starts the program with the command line; refused while one is running.
  void Start(const std::string& commandLine);
  // The process is killed from outside: no handler runs; a later start begins a new one.
  void Kill();
  bool Started() const { return program_ != nullptr; }
  // The program of the last start (running or ended).
  Program& CurrentProgram() const;
  // A loaded form or control of the current program.
  Target Find(const std::string& name) const;
  // User input as the platform would deliver it, then the events it queued.
  void Input(const std::string& target, const InputEvent& event);
  // A termination signal reaches the running program.
  void Terminate();
  // A host window goes away (the windows embedded in it hear of it), then queued events.
  void DestroyHost(Hwnd host);
  // The monitors become these (pixels; the primary at 0, 0); a running program hears of it,
  // then queued events are delivered.
  void ChangeMonitors(int primaryWidth, int primaryHeight, std::vector<SimPlatform::MonitorArea> others);

  // Prints one read; a filtered key that never came is a script error.
  void Print(const JsonObject& object);

 private:
  void NewPlatform(const std::string& folder);
  Form* FindForm(const std::string& name) const;
  bool Running() const { return program_ && !program_->Ended(); }
  // Input and signals need a program that runs.
  void RequireRunning() const;

  std::ostream& out_;
  std::string ownFolder_;  // created here and removed at the end
  std::string folder_;
  std::unique_ptr<SimPlatform> sim_;
  std::unique_ptr<Program> program_;
};

}  // namespace velvora::driver
