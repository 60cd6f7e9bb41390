// slatepane-check: tells a modder what the slatepane plug-in reads from its
// settings files, and why an edit may not take effect.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "check_run.h"

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunCheck(args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "slatepane-check: " << e.what() << '\n';
    return 2;
  }
}
