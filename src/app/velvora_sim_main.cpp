// velvora-sim: runs the program on the simulated platform from a script.
#include <fstream>
#include <iostream>
#include <string>

#include "app/driver_script.h"

int main(int argc, char** argv) {
  const std::string name = argc > 1 ? argv[1] : "-";
  if (argc > 2 || name == "-h" || name == "--help") {
    std::cerr << "usage: velvora-sim [SCRIPT]   (no script or \"-\": read standard input)\n"
                 "The commands are described in docs/sim-driver.md.\n";
    return argc > 2 ? 2 : 0;
  }
  if (name == "-") return velvora::driver::RunScript(std::cin, std::cout, std::cerr);
  std::ifstream script(name);
  if (!script) {
    std::cerr << "velvora-sim: cannot open " << name << '\n';
    return 2;
  }
  const int result = velvora::driver::RunScript(script, std::cout, std::cerr);
  if (result != 0) std::cerr << "velvora-sim: " << name << " stopped\n";
  return result;
}
