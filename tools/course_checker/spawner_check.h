#pragma once
// Checks of one spawner record that the reader accepts but the game would
// play badly: figures with no life or no size, launches that cost a life at
// once, and flights the player cannot see or that pass behind the walls.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "tools/course_checker/diagnostic.h"
#include "world/canon.h"

namespace course {

// Where each of the record's eleven fields stands in the text, pos.x first.
using RecordOffsets = std::array<std::size_t, 11>;

enum RecordField : std::size_t {
  kPosX, kPosY, kPosZ, kInterval, kAngle, kSpread, kSpeed, kNum, kDelay, kSize, kKind
};

// A figure in view for fewer ticks than this is gone before a player reacts.
inline constexpr int kShortestSighting = 5;
// Flights are followed this long at most: 100 seconds.
inline constexpr int kLongestFlight = 1000;

// `where` names the record for the messages, e.g. "stage 2, spawner 1".
void check_spawner(const Canon_attrib& att, const RecordOffsets& at, const std::string& where,
                   std::vector<Diagnostic>& out);

}  // namespace course
