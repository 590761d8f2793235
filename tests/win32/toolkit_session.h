#pragma once
// A program on the Win32 toolkit for the tests of real windows, and the view of a form.
#include <windows.h>

#include <string>

#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_platform.h"
#include "forms/program.h"
#include "preferences_left_as_found.h"

namespace velvora::test {

struct ToolkitSession {
  explicit ToolkitSession(std::string commandLine = "") : program(platform.platform(), std::move(commandLine)) {
    platform.Serve(program);
  }
  // A program that ended asked every loop to quit: the next test's loop is not to see that.
  ~ToolkitSession() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  PreferencesLeftAsFound preferences;  // outlives the program
  win32::Win32Platform platform;
  Program program;
  // Handles what is queued, as the event loop would.
  void Turn() { platform.DoEvents(); }
};

inline win32::Win32FormView& ViewOf(const Form& form) { return *static_cast<win32::Win32FormView*>(form.View()); }

}  // namespace velvora::test
