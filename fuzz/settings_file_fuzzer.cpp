// The settings file as the setup dialog loads it, from any bytes: the dialog loads, shows as
// many pictures as its list holds, and what Done then writes loads back into the same dialog.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "backends/sim/sim_platform.h"
#include "forms/program.h"
#include "fuzz_support.h"
#include "setup/frm_setup.h"

namespace {

using velvora::fuzz::Expect;

struct Loaded {
  std::string interval;
  std::string unit;
  bool fullWindow = false;
  bool centred = false;
  std::vector<std::string> pictures;
  bool operator==(const Loaded&) const = default;
};

// Loads the dialog hidden, as the slideshow does; with `done`, presses Done afterwards.
Loaded Load(bool done) {
  velvora::SimPlatform sim(velvora::fuzz::ScratchFolder());
  velvora::Program program(sim.platform(), "");
  Loaded seen;
  program.Dispatch([&] {
    velvora::frmSetup& setup = program.Use<velvora::frmSetup>();
    seen = {setup.Text1.Text(), program.IntervalUnit, setup.OptionFullWin.Value() != 0,
            setup.OptionRandom.Value() != 0, setup.List1.Items()};
    Expect(setup.numImages.Caption() == std::to_string(seen.pictures.size()), "the count shown is the list's");
    if (done) program.Raise(setup, &setup.cmdExit, {.kind = velvora::InputKind::Click});
  });
  Expect(!program.Ended() && sim.ErrorBoxes().empty() && sim.MessageBoxes().empty(), "loading and Done raise nothing");
  return seen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velvora::fuzz::ScratchFile("Velvora.ini", {reinterpret_cast<const char*>(data), size});
  const Loaded first = Load(true);
  Expect(Load(false) == first, "what Done wrote loads back the same");
  return 0;
}
