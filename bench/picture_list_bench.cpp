// The setup dialog with a full picture list: loading the settings file into it, and Done
// writing it back.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "forms/program.h"
#include "backends/sim/sim_platform.h"
#include "settings/settings_file.h"
#include "setup/frm_setup.h"

namespace velvora {
namespace {

// A program folder holding a settings file with `count` pictures, in no particular order.
class Folder {
 public:
  explicit Folder(std::int64_t count) {
    std::string pattern = (std::filesystem::temp_directory_path() / "velvora-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    std::string file = "5\r\nMin\r\n " + std::to_string(count) + " \r\nFullWin\r\n";
    for (std::int64_t i = 0; i < count; ++i) {
      file += "C:\\Pictures\\Holiday " + std::to_string((i * 7919) % count) + "\\photo.jpg\r\n";
    }
    std::ofstream(SettingsFilePath(path_), std::ios::binary) << file;
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void BM_LoadSettingsIntoDialog(benchmark::State& state) {
  Folder folder(state.range(0));
  for (auto _ : state) {
    SimPlatform sim(folder.Path());
    Program program(sim.platform(), "");
    frmSetup& f = program.Use<frmSetup>();
    benchmark::DoNotOptimize(f.List1.List(0));  // the list in its sorted order
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadSettingsIntoDialog)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_DoneWritesSettings(benchmark::State& state) {
  Folder folder(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    SimPlatform sim(folder.Path());
    Program program(sim.platform(), "");
    frmSetup& f = program.Use<frmSetup>();
    f.List1.List(0);
    state.ResumeTiming();
    program.Raise(f, &f.cmdExit, {.kind = InputKind::Click});
    if (program.IfLoaded<frmSetup>()) state.SkipWithError("Done did not save");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DoneWritesSettings)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velvora
