#include "app/options.h"

#include <ostream>
#include <string_view>

namespace {

// Takes "--name FILE" or "--name=FILE" into `value`. False when `arg` is not
// this option; sets `error` when it is but has no file.
bool file_option(std::string_view name, int argc, const char* const* argv, int& i, std::string& value,
                 std::string& error) {
  const std::string_view arg = argv[i];
  if (arg.substr(0, name.size()) != name) return false;
  if (arg.size() > name.size()) {
    if (arg[name.size()] != '=') return false;
    value = std::string(arg.substr(name.size() + 1));
  } else if (i + 1 < argc) {
    value = argv[++i];
  }
  if (value.empty()) error = "option '" + std::string(name) + "' needs a FILE (see --help)";
  return true;
}

}  // namespace

ParsedOptions parse_options(int argc, const char* const* argv) {
  ParsedOptions parsed;
  Options& o = parsed.options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else if (file_option("--replay", argc, argv, i, o.replay_file, parsed.error) ||
               file_option("--verify", argc, argv, i, o.verify_file, parsed.error)) {
      if (!parsed.error.empty()) return parsed;
    } else if (arg == "--smooth") {
      o.smooth = true;
    } else if (arg == "--no-raw-motion") {
      o.raw_motion = false;
    } else if (arg == "--fullscreen") {
      o.fullscreen = true;
    } else {
      parsed.error = "unknown option '" + std::string(arg) + "' (see --help)";
      return parsed;
    }
  }
  if (!o.replay_file.empty() && !o.verify_file.empty()) {
    parsed.error = "options '--replay' and '--verify' cannot be used together";
  }
  return parsed;
}

void print_usage(std::ostream& out) {
  out << "Usage: quorrelstead [OPTION]...\n"
         "A target-shooting game seen through a sniper scope. With no option the\n"
         "game asks on the console whether to start, then opens its window.\n"
         "\n"
         "Options:\n"
         "  -h, --help          show this text and exit\n"
         "      --fullscreen    start with the window filling the screen\n"
         "      --smooth        draw about 60 frames a second: the aim follows the\n"
         "                      mouse at once and figures move between ticks; the\n"
         "                      game itself, its texts and its timing are unchanged\n"
         "      --replay FILE   watch a recorded run in the window (Esc or Q leaves);\n"
         "                      --smooth may be added\n"
         "      --verify FILE   play a recorded run again without a window and check\n"
         "                      its result: status 0 when it matches, 1 when not\n"
         "      --no-raw-motion aim from pointer positions, pulling the pointer back\n"
         "                      to the middle after every move, instead of from the\n"
         "                      mouse's raw motion\n"
         "\n"
         "In the window, F11 switches between full screen and the window.\n";
}
