#pragma once
// The command line: what the player asked for, or why it cannot be run.
#include <iosfwd>
#include <string>

struct Options {
  bool fullscreen = false;  // start with the window filling the screen
  bool help = false;
  // Frames at display rate with figures drawn between their ticks; the
  // simulation still ticks every 100 ms exactly as without it.
  bool smooth = false;
  std::string replay_file;  // --replay: watch this run in the window
  std::string verify_file;  // --verify: check this run's result, headless
  // Aim from XInput2 raw motion where the server has it; when false, from
  // pointer positions and the warps that pull the pointer back.
  bool raw_motion = true;
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
// Status when there is no display to open the window on: the toolkit's own.
inline constexpr int no_display_status = 1;
