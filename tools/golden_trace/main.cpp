// Prints the golden trace of a course: golden_trace COURSE [TICKS]
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/golden_trace/golden_script.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: golden_trace COURSE [TICKS]\n";
    return 2;
  }
  const std::string course = argv[1];
  const long ticks = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 3000;
  if (ticks <= 0 || ticks > 1000000) {
    std::cerr << "golden_trace: TICKS must be 1 to 1000000\n";
    return 2;
  }
  if (!std::ifstream(course).is_open()) {
    std::cerr << "golden_trace: cannot read " << course << "\n";
    return 2;
  }
  const auto n = static_cast<std::int32_t>(ticks);
  std::cout << golden::trace(course, golden::script(n), n) << "\n";
  return 0;
}
