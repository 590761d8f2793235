#pragma once
// The run guards of a full-screen slideshow and CloseSaver, the one way input ends it.
#include <memory>

#include "forms/program.h"
#include "runtime/int16.h"

namespace velvora::mdlMain {

// What this run has changed on the platform and not yet put back.
struct RunGuards {
  int cursorLowered = 0;         // net ShowCursor(FALSE) calls of this run
  bool taskbarDisabled = false;  // DisableTaskbar disabled a taskbar that was enabled
  bool activationOff = false;    // the platform's own screen-saver activation is off
};

// Starts the account of a full-screen run. Start-up has already switched the platform's
// screen-saver activation off for it. From now on every end of the program (an accepted close,
// a run-time error, the window closed from outside) puts back what is still set.
std::shared_ptr<RunGuards> KeepAccount(Program& program);

// The guards the slideshow sets when it loads outside preview mode: cursor hidden,
// DisableTaskbar, SetSaverRunning.
void SetGuards(Program& program, RunGuards& guards);

// Input ends the saver here: asks for the password on the 9x family; a refusal keeps every
// guard, an acceptance undoes them, unloads the slideshow window and ends the program.
void CloseSaver(Form& saver, RunGuards& guards);

// Tells the platform that no screen saver runs, whatever `running` says.
void SetSaverRunning(Program& program, Bool16 running);

// Finds the taskbar; on the 9x family disables it when it is enabled. True when it did so.
bool DisableTaskbar(Program& program);

// On the 9x family enables the taskbar again while TaskbarWasDisabled is 0. Enabling a taskbar
// that was disabled sets it nonzero, so a second call does nothing.
void RestoreTaskbar(Program& program);

}  // namespace velvora::mdlMain
