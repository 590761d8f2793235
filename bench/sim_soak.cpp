// A week of full-screen slideshow on the simulated platform, in virtual time: the interval is
// one second (a change every second tick) over pictures of mixed sizes and two bad entries, and
// the screen changes size every hour. Prints the resident memory at the end of every day, and
// fails when the memory grew, when a change did not happen, or when the program showed an error
// box or ended.
//   sim_soak [DAYS]    default 7
#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "backends/sim/sim_platform.h"
#include "forms/program.h"
#include "saver/frm_saver.h"
#include "settings/settings_file.h"
#include "startup/main_mode.h"
#include "support/pictures.h"

namespace {

using namespace velvora;

constexpr std::int64_t kHourMs = 3600 * 1000;
constexpr int kHoursADay = 24;
constexpr long kAllowedGrowthKb = 1024;  // from the end of the first day to the end of the last

struct ScreenSize {
  float width;  // pixels
  float height;
};
const ScreenSize kScreens[] = {{1024, 768}, {1920, 1080}, {800, 600}, {1366, 768}, {2560, 1440}, {640, 480}};

// Resident memory, after the allocator has handed back what it holds free: frames of the larger
// screens are freed but kept by the allocator otherwise, and would hide or fake a trend.
long ResidentKb() {
  malloc_trim(0);
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
  }
  return 0;
}

// A program folder with pictures of mixed sizes, a missing entry and a file that is no picture.
std::string MakeFolder() {
  std::string folder = (std::filesystem::temp_directory_path() / "velvora-soak-XXXXXX").string();
  if (!mkdtemp(folder.data())) std::exit(2);
  SettingsToSave settings{.intervalText = "1", .intervalUnit = "Sec", .fullWindow = true};
  const ScreenSize sizes[] = {{320, 240}, {640, 480}, {200, 300}, {800, 600}, {48, 1000}, {1000, 40}};
  for (const ScreenSize& size : sizes) {
    const int width = static_cast<int>(size.width), height = static_cast<int>(size.height);
    const std::string path = folder + "/" + std::to_string(width) + "x" + std::to_string(height) + ".bmp";
    std::ofstream(path, std::ios::binary) << test::SolidBmp(width, height, 0x80, 0x80, 0x80);
    settings.pictures.push_back(path);
  }
  settings.pictures.push_back(folder + "/missing.jpg");
  std::ofstream(folder + "/notes.jpg") << "not a picture";
  settings.pictures.push_back(folder + "/notes.jpg");
  std::ofstream(SettingsFilePath(folder), std::ios::binary) << FormatSettingsFile(settings);
  return folder;
}

int Fail(const char* what, int day, int hour) {
  std::printf("FAILED on day %d, hour %d: %s\n", day, hour, what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const int days = argc > 1 ? std::atoi(argv[1]) : 7;
  const std::string folder = MakeFolder();
  SimPlatform sim(folder);
  Program program(sim.platform(), "/s");
  program.Start(Main);
  sim.Advance(6000);  // the start delay, then the first change
  frmSaver* saver = program.IfLoaded<frmSaver>();
  if (!saver) return Fail("no slideshow window", 1, 0);

  const auto started = std::chrono::steady_clock::now();
  std::vector<long> resident;
  long changes = 0;
  for (int day = 1; day <= days; ++day) {
    for (int hour = 1; hour <= kHoursADay; ++hour) {
      // Two ticks a change: each step ends on the tick that changed the picture.
      for (std::int64_t ms = 0; ms < kHourMs; ms += 2000) {
        const std::int32_t before = saver->PicIndex;
        sim.Advance(2000);
        if (saver->PicIndex == before) return Fail("the picture did not change", day, hour);
        ++changes;
      }
      if (program.Ended() || !sim.ErrorBoxes().empty()) return Fail("the program ended or showed an error", day, hour);
      if (!saver->Image1.Picture() || saver->Label1.Caption() != "00:00:01") {
        return Fail("no picture shown, or the countdown is off", day, hour);
      }
      const ScreenSize& screen = kScreens[(day * kHoursADay + hour) % std::size(kScreens)];
      sim.screenWidth = static_cast<int>(screen.width);
      sim.screenHeight = static_cast<int>(screen.height);
      // The maximised window follows the screen, as the platform reports it.
      saver->PlatformGeometry(0, 0, screen.width * SimPlatform::kTwipsPerPixel, screen.height * SimPlatform::kTwipsPerPixel);
      sim.RunPending();
      // What the simulated platform records of a run (the calls, the pictures named ahead) is
      // the test platform's and grows with the run; the program's memory is what is measured.
      sim.ClearCalls();
      sim.ClearPictureHints();
    }
    resident.push_back(ResidentKb());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("day %d: resident %.1f MB, %ld changes so far, %zu error boxes (%.0f s of real time)\n", day,
                static_cast<double>(resident.back()) / 1024, changes, sim.ErrorBoxes().size(), seconds);
    std::fflush(stdout);
  }
  std::filesystem::remove_all(folder);
  const long growth = resident.back() - resident.front();
  std::printf("resident memory from the end of day 1 to the end of day %d: %+ld KB\n", days, growth);
  return growth > kAllowedGrowthKb ? Fail("resident memory grew", days, kHoursADay) : 0;
}
