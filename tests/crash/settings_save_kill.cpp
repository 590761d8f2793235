// Kills a process that saves the settings file again and again, at random moments, and checks
// after every kill that the file holds exactly the last save that finished or exactly the one
// that was under way, and that no temporary file outlives the next save that succeeds.
//
//   settings_save_kill [KILLS [PICTURES]]    defaults: 200 kills, 32,767 pictures
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "settings/settings_file.h"
#include "support/temp_folder.h"

namespace {

using velvora::SettingsToSave;
namespace fs = std::filesystem;

// The settings of save number `version`: the interval and the first, middle and last paths
// carry the number, so a file made of parts of two saves is seen.
void Stamp(SettingsToSave& s, std::int64_t version) {
  const std::string number = std::to_string(version);
  s.intervalText = number;
  const std::size_t n = s.pictures.size();
  for (std::size_t i : {std::size_t{0}, n / 2, n - 1}) {
    if (i < n) s.pictures[i] = "/home/somebody/Pictures/save " + number + "/" + std::string(200, 'p') + ".jpg";
  }
}

SettingsToSave Settings(std::int64_t version, int pictures) {
  SettingsToSave s{.intervalUnit = "Sec", .fullWindow = true};
  const std::string folder = "/home/somebody/Pictures/" + std::string(180, 'f') + "/picture ";
  s.pictures.reserve(static_cast<std::size_t>(pictures));
  for (int i = 0; i < pictures; ++i) s.pictures.push_back(folder + std::to_string(i) + ".jpg");
  Stamp(s, version);
  return s;
}

std::string Bytes(std::int64_t version, int pictures) {
  return velvora::FormatSettingsFile(Settings(version, pictures));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The child: saves versions first, first + 1, ... and reports each one that finished.
[[noreturn]] void SaveForever(const std::string& path, std::int64_t first, int pictures, int report) {
  SettingsToSave settings = Settings(first, pictures);
  for (std::int64_t version = first;; ++version) {
    Stamp(settings, version);
    if (!velvora::SaveSettingsFile(path, settings)) {
      std::fprintf(stderr, "save %lld failed: %s\n", static_cast<long long>(version), std::strerror(errno));
      _exit(3);
    }
    if (write(report, &version, sizeof version) != sizeof version) _exit(4);
  }
}

// Reads reports; blocking until one arrives when `wait` is set. The last one, or `last`.
std::int64_t LastReport(int report, std::int64_t last, bool wait) {
  std::int64_t version = 0;
  if (wait) {
    if (read(report, &version, sizeof version) != sizeof version) return last;
    last = version;
  }
  fcntl(report, F_SETFL, O_NONBLOCK);
  while (read(report, &version, sizeof version) == sizeof version) last = version;
  fcntl(report, F_SETFL, 0);
  return last;
}

// The files beside the settings file.
std::vector<fs::path> Temporaries(const std::string& folder) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename() != "Velvora.ini") found.push_back(entry.path());
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  const int kills = argc > 1 ? std::atoi(argv[1]) : 200;
  const int pictures = argc > 2 ? std::atoi(argv[2]) : 32767;
  velvora::test::TempFolder folder;
  const std::string path = velvora::SettingsFilePath(folder.Path());
  if (!velvora::SaveSettingsFile(path, Settings(0, pictures))) {
    std::fprintf(stderr, "the first save failed\n");
    return 1;
  }
  std::int64_t stored = 0;  // the version the file holds
  std::mt19937_64 random(std::random_device{}());
  std::chrono::microseconds saveTime{0};
  int oldKept = 0, newKept = 0, leftBehind = 0;
  fs::path leftover;  // the temporary file the last kill left, if any

  for (int kill = 1; kill <= kills; ++kill) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return 1;
    const pid_t child = fork();
    if (child == 0) {
      close(pipeFds[0]);
      SaveForever(path, stored + 1, pictures, pipeFds[1]);
    }
    close(pipeFds[1]);
    // One save finishes first (on a busy machine, more may), so the leftovers of the kill before
    // are gone.
    const auto started = std::chrono::steady_clock::now();
    std::int64_t finished = LastReport(pipeFds[0], stored, true);
    if (finished <= stored) {
      int status = 0;
      ::kill(child, SIGKILL);
      waitpid(child, &status, 0);
      std::fprintf(stderr, "kill %d: the child could not save (wait status %d)\n", kill, status);
      return 1;
    }
    if (saveTime.count() == 0) {
      saveTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    }
    if (!leftover.empty() && fs::exists(leftover)) {
      std::fprintf(stderr, "kill %d: the temporary file of the kill before is still there\n", kill);
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (2 * saveTime.count() + 1)));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    finished = LastReport(pipeFds[0], finished, false);
    close(pipeFds[0]);
    if (!WIFSIGNALED(status)) {
      std::fprintf(stderr, "kill %d: the child ended by itself (status %d)\n", kill, status);
      return 1;
    }

    const std::string bytes = ReadFile(path);
    if (bytes == Bytes(finished, pictures)) {
      ++oldKept;
      stored = finished;
    } else if (bytes == Bytes(finished + 1, pictures)) {
      ++newKept;
      stored = finished + 1;
    } else {
      std::fprintf(stderr, "kill %d: the file holds neither save %lld nor save %lld (%zu bytes)\n", kill,
                   static_cast<long long>(finished), static_cast<long long>(finished + 1), bytes.size());
      return 1;
    }
    const std::vector<fs::path> temporaries = Temporaries(folder.Path());
    if (temporaries.size() > 1) {
      std::fprintf(stderr, "kill %d: %zu temporary files beside the settings file\n", kill, temporaries.size());
      return 1;
    }
    leftover = temporaries.empty() ? fs::path() : temporaries.front();
    leftBehind += !leftover.empty();
  }
  if (!velvora::SaveSettingsFile(path, Settings(stored + 1, pictures)) || !Temporaries(folder.Path()).empty()) {
    std::fprintf(stderr, "the last save failed or left a temporary file\n");
    return 1;
  }
  std::printf("%d kills, %d pictures (%zu bytes a save, about %lld ms): the finished save kept %d times, "
              "the one under way %d times; %d kills left a temporary file, each cleared by the next save\n",
              kills, pictures, Bytes(0, pictures).size(), static_cast<long long>(saveTime.count() / 1000), oldKept,
              newKept, leftBehind);
  return 0;
}
