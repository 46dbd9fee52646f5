#pragma once
// Console output. Every text is given as UTF-8 and written in the terminal's
// encoding, flushed at once so that it interleaves correctly with other output.
#include <string_view>

namespace platform {

// Writes the text and a line end.
void console_line(std::string_view utf8);

}  // namespace platform
