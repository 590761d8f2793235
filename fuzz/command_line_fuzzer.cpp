// The command line through Main on the simulated platform, on the 9x family and on a 5.x
// system: any line starts a mode, or nothing, or ends with the run-time error box. What it
// starts runs for a while of virtual time and is then ended, and every end puts back what the
// run changed: the cursor shown, screen-saver activation on, the taskbar enabled.
#include <cstddef>
#include <cstdint>
#include <string>

#include "backends/sim/sim_platform.h"
#include "forms/program.h"
#include "fuzz_support.h"
#include "settings/settings_file.h"
#include "startup/main_mode.h"
#include "support/pictures.h"

namespace {

using velvora::fuzz::Expect;

constexpr velvora::Hwnd kHost = 1234;  // a preview host window that exists

void Run(const std::string& line, bool family9x) {
  velvora::SimPlatform sim(velvora::fuzz::ScratchFolder());
  sim.screenWidth = 160;  // small frames keep the transitions cheap
  sim.screenHeight = 120;
  sim.hostWindows[kHost] = {152, 112};
  if (!family9x) sim.versions = {.major = 5, .minor = 1, .platformId = 2};
  velvora::Program program(sim.platform(), line);
  program.Start(velvora::Main);
  if (!program.Ended()) {
    Expect(!program.LoadedForms().empty(), "a running program has a window");
    sim.Advance(12000);  // the start delay, the first pictures and the countdown
  }
  if (program.Reason() == velvora::EndReason::RuntimeError) {
    const int number = sim.ErrorBoxes().empty() ? 0 : sim.ErrorBoxes().back().number;
    Expect(sim.ErrorBoxes().size() == 1 && (number == 5 || number == 6 || number == 13),
           "one error box, for a bad window number");
  } else {
    Expect(sim.ErrorBoxes().empty(), "no error box while the program runs");
  }
  if (!program.Ended()) program.Dispatch([&] { program.End(); });
  Expect(sim.CursorCount() == 0, "the cursor is shown again");
  Expect(sim.ScreenSaverActive(), "screen-saver activation is back on");
  Expect(sim.taskbar.enabled, "the taskbar is enabled");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using velvora::fuzz::ScratchFile;
  const std::string a = ScratchFile("a.bmp", velvora::test::SolidBmp(40, 30, 0x80, 0x80, 0x80));
  const std::string b = ScratchFile("b.bmp", velvora::test::SolidBmp(20, 50, 0x40, 0x90, 0xC0));
  velvora::SettingsToSave settings{.intervalText = "1", .intervalUnit = "Sec", .fullWindow = true, .pictures = {a, b}};
  ScratchFile("Velvora.ini", velvora::FormatSettingsFile(settings));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  Run(line, true);
  Run(line, false);
  return 0;
}
