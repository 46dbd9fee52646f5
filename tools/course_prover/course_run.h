#pragma once
// One course played from its first stage through the game's own play scene
// by the headless marksman, stage by stage, as the game would play it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/course_prover/marksman.h"

namespace course {

struct StagePlay {
  int launched = 0;
  int shots = 0;
  int granted = 0;     // bullets the stage added
  int escapes = 0;
  int lives_left = 0;  // when the stage ended
  int dry_shots = 0;   // shots that were on with no bullet left
  std::int64_t ticks = 0;
};

struct CoursePlay {
  std::vector<StagePlay> stages;  // those reached, in order
  bool all_clear = false;
  bool timed_out = false;    // still running at the tick limit
  bool overcrowded = false;  // more figures in flight at once than any player could follow
};

// Play stops when more figures than this are in flight at once.
inline constexpr std::size_t kCrowdLimit = 400;

// Plays the stage file with the random sequence `offset` draws past its
// state at start-up, as if that many figures had been launched before.
// Effects are silenced, and neither the progress nor the ranking file is
// touched.
CoursePlay play_course(const std::string& stage_file, const HumanLimits& limits,
                       std::uint64_t offset, std::int64_t tick_limit);

}  // namespace course
