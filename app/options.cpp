#include "app/options.h"

#include <ostream>
#include <string_view>

ParsedOptions parse_options(int argc, const char* const* argv) {
  ParsedOptions parsed;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--fullscreen") {
      parsed.options.fullscreen = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.options.help = true;
    } else {
      parsed.error = "unknown option '" + std::string(arg) + "' (see --help)";
      return parsed;
    }
  }
  return parsed;
}

void print_usage(std::ostream& out) {
  out << "Usage: quorrelstead [OPTION]...\n"
         "A target-shooting game seen through a sniper scope. With no option the\n"
         "game asks on the console whether to start, then opens its window.\n"
         "\n"
         "Options:\n"
         "      --fullscreen    start with the window filling the screen\n"
         "  -h, --help          show this text and exit\n"
         "\n"
         "In the window, F11 switches between full screen and the window.\n";
}
