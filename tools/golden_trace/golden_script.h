#pragma once
// The golden trace: a shipped course played headless from a fixed input
// script, every tick folded into one checksum. Every build must agree on it.
#include <cstdint>
#include <string>
#include <vector>

#include "replay/replay.h"

namespace golden {

// The script for `ticks` ticks, stamped with the tick of the whole run: the
// aim sweeps the range in whole and fractional pixels, a shot every second
// tick, and Y every 25 ticks so that a course that ended starts again.
std::vector<replay::Input> script(std::int32_t ticks);

// Plays the course file from the random sequence's start-up state through
// the script and returns the checksum in hex.
std::string trace(const std::string& course_file, const std::vector<replay::Input>& inputs,
                  std::int32_t ticks);

}  // namespace golden
