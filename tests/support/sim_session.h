#pragma once
// A program on the simulated platform, with a temporary folder standing for the program folder.
#include <string>

#include "forms/program.h"
#include "backends/sim/sim_platform.h"
#include "support/temp_folder.h"

namespace velvora::test {

struct SimSession {
  explicit SimSession(std::string commandLine = "", const CodePage& codePage = Utf8CodePage())
      : sim(folder.Path()), program(Platform{sim, sim, sim, codePage}, std::move(commandLine)) {}
  TempFolder folder;
  SimPlatform sim;
  Program program;
};

}  // namespace velvora::test
