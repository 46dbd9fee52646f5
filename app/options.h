#pragma once
// The command line: what the player asked for, or why it cannot be run.
#include <iosfwd>
#include <string>

struct Options {
  bool fullscreen = false;  // start with the window filling the screen
  bool help = false;
};

struct ParsedOptions {
  Options options;
  std::string error;  // one line; empty when the command line is good
};

// Reads every argument after the program name. Window-system arguments are
// not taken: the game's window needs none.
ParsedOptions parse_options(int argc, const char* const* argv);

// The usage text that --help prints.
void print_usage(std::ostream& out);

// Status of a command line that cannot be run.
inline constexpr int usage_error_status = 2;
