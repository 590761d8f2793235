// Velvora.scr end to end, driven from this program. With the switch --screen-saver-active it only
// answers the system's screen-saver activation as a newly started program reads it (exit code
// 1 on, 0 off).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "system_state.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == velvora::e2e::kScreenSaverActiveSwitch) {
    BOOL active = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active ? 1 : 0;
  }
  testing::InitGoogleTest(&argc, argv);
  std::printf("Velvora.scr sees Windows as Wine's %s\n", velvora::e2e::WindowsVersionForTheSaver().c_str());
  const velvora::e2e::SaverUnderWine wine;
  return RUN_ALL_TESTS();
}
