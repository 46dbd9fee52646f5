#pragma once
// Whether the window system can be reached at all, asked before the toolkit,
// which otherwise ends the process with a bare message of its own.
#include <string>

namespace platform {

// Empty when a window can be opened on this session's display; otherwise one
// sentence saying what is wrong and what to do.
std::string display_problem();

}  // namespace platform
