#pragma once
// A slideshow on the simulated platform: settings file and pictures written by the test, the
// window started as the full-screen or preview mode starts it, and ways to drive it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "backends/sim/sim_platform.h"
#include "saver/frm_saver.h"
#include "settings/settings_file.h"
#include "support/pictures.h"
#include "support/sim_session.h"

namespace velvora::test {

// A small 24-bit BMP of one grey.
inline std::string TinyBmp(int width, int height) { return SolidBmp(width, height, 0x80, 0x80, 0x80); }

class SaverTest : public ::testing::Test {
 protected:
  SimSession s;

  // Writes the settings file the setup dialog reads when the slideshow first touches it.
  void Settings(const std::string& interval, const std::string& unit, std::vector<std::string> pictures,
                bool fullWindow = true) {
    SettingsToSave settings{interval, unit, fullWindow, !fullWindow, std::move(pictures)};
    s.folder.Write("Velvora.ini", FormatSettingsFile(settings));
  }
  // Writes a picture file into the program folder and gives its full path.
  std::string Picture(const std::string& name, int width = 4, int height = 3) {
    s.folder.Write(name, TinyBmp(width, height));
    return s.folder / name;
  }

  // What full-screen start-up does with the window.
  frmSaver& StartFullScreen() {
    s.sim.SystemParametersInfoA(kSpiSetScreenSaveActive, 0, nullptr, 0);
    s.program.Dispatch([&] {
      frmSaver& saver = s.program.Use<frmSaver>();
      saver.SetWindowState(WindowState::Maximized);
      saver.Show();
    });
    s.sim.RunPending();
    return Saver();
  }
  frmSaver& StartPreview(int width = 152, int height = 112) {
    s.program.PreviewMode = kTrue16;
    s.program.Dispatch([&] { s.program.Use<frmSaver>(); });
    s.sim.SetWindowPos(Saver().hWnd(), 0, 0, 0, width, height, 0x54);
    s.sim.RunPending();
    return Saver();
  }
  // The window as loaded, also when its load failed.
  frmSaver& Saver() { return static_cast<frmSaver&>(*s.program.FindForm(frmSaver::kName)); }

  // One-second ticks.
  void Ticks(int n) { s.sim.Advance(1000LL * n); }
  // The five start-delay ticks, then the first countdown tick (the first change).
  void ToFirstChange() { Ticks(6); }

  void MoveMouse(frmSaver& saver, float x, float y, Control* over = nullptr) {
    s.program.Raise(saver, over, {.kind = InputKind::MouseMove, .x = x, .y = y});
  }
  void Click(frmSaver& saver) { s.program.Raise(saver, nullptr, {.kind = InputKind::Click}); }

  // Calls of one system function, as the simulated platform logged them.
  std::vector<SimCall> CallsOf(const std::string& name) const {
    std::vector<SimCall> found;
    for (const SimCall& c : s.sim.Calls()) {
      if (c.name == name) found.push_back(c);
    }
    return found;
  }
  int CountOf(const std::string& name, const std::vector<std::string>& args) const {
    const auto calls = CallsOf(name);
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const SimCall& c) { return c.args == args; }));
  }
  void UseNtFamily() { s.sim.versions = {.major = 5, .minor = 1, .platformId = 2}; }
};

}  // namespace velvora::test
