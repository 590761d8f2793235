#include "guards/mdl_main.h"

#include "guards/mdl_win_version.h"

namespace velvora::mdlMain {
namespace {

// The arguments as the calls are made: ShowCursor gets the 16-bit TRUE, EnableWindow the C one.
constexpr std::int32_t kShow = kTrue16;
constexpr std::int32_t kHide = kFalse16;
constexpr std::int32_t kEnable = 1;
constexpr std::int32_t kDisable = 0;

bool NineXFamily(Program& program) { return mdlWinVersion::GetWindowsFamily(program.sys()) == 0; }

void ShowTheCursor(Program& program, RunGuards& guards) {
  program.sys().ShowCursor(kShow);
  --guards.cursorLowered;
}

void HideTheCursor(Program& program, RunGuards& guards) {
  program.sys().ShowCursor(kHide);
  ++guards.cursorLowered;
}

void ActivationOn(Program& program, RunGuards& guards) {
  program.sys().SystemParametersInfoA(kSpiSetScreenSaveActive, 1, nullptr, 0);
  guards.activationOff = false;
}

// Where the system has no password service there is nothing to ask: the close is accepted.
bool PasswordAccepted(Form& saver) {
  System& sys = saver.program().sys();
  if (!NineXFamily(saver.program()) || !sys.HasPasswordServices()) return true;
  return sys.VerifyScreenSavePwd(saver.hWnd()) != 0;
}

void PutBack(Program& program, RunGuards& guards) {
  while (guards.cursorLowered > 0) ShowTheCursor(program, guards);
  // RestoreTaskbar does nothing when an accepted close has already enabled it.
  if (guards.taskbarDisabled) RestoreTaskbar(program);
  guards.taskbarDisabled = false;
  if (guards.activationOff) ActivationOn(program, guards);
}

}  // namespace

std::shared_ptr<RunGuards> KeepAccount(Program& program) {
  auto guards = std::make_shared<RunGuards>();
  guards->activationOff = true;
  program.SetEndHook([&program, guards] { PutBack(program, *guards); });
  return guards;
}

void SetGuards(Program& program, RunGuards& guards) {
  HideTheCursor(program, guards);
  guards.taskbarDisabled = DisableTaskbar(program);
  SetSaverRunning(program, kFalse16);
}

void CloseSaver(Form& saver, RunGuards& guards) {
  Program& program = saver.program();
  ShowTheCursor(program, guards);
  if (!PasswordAccepted(saver)) {
    HideTheCursor(program, guards);
    return;
  }
  ActivationOn(program, guards);
  RestoreTaskbar(program);
  SetSaverRunning(program, kTrue16);
  program.Unload(saver);
  program.End();
}

void SetSaverRunning(Program& program, Bool16 /*running*/) {
  std::int32_t previous = 0;  // written by the platform, never read
  program.sys().SystemParametersInfoA(kSpiScreenSaverRunning, 0, &previous, 0);
}

bool DisableTaskbar(Program& program) {
  System& sys = program.sys();
  program.TaskbarWnd = sys.FindWindowA("Shell_traywnd", "");
  if (program.TaskbarWnd == 0) return false;
  std::int16_t enabled = 0;
  if (NineXFamily(program)) enabled = static_cast<std::int16_t>(sys.IsWindowEnabled(program.TaskbarWnd));
  if (enabled != 1) return false;
  program.TaskbarWasDisabled = static_cast<std::int16_t>(sys.EnableWindow(program.TaskbarWnd, kDisable));
  return true;
}

void RestoreTaskbar(Program& program) {
  if (program.TaskbarWasDisabled == 0 && NineXFamily(program)) {
    program.TaskbarWasDisabled = static_cast<std::int16_t>(program.sys().EnableWindow(program.TaskbarWnd, kEnable));
  }
}

}  // namespace velvora::mdlMain
