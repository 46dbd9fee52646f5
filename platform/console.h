#pragma once
// Console output. Every text is given as UTF-8 and written in the terminal's
// encoding, flushed at once so that it interleaves correctly with other output.
#include <string_view>

namespace platform {

// Writes the text and a line end.
void console_line(std::string_view utf8);

// Silences console_line (true) or lets it write again (false); returns the
// previous setting. A run played again headless keeps its log to itself.
bool set_console_quiet(bool quiet);

}  // namespace platform
