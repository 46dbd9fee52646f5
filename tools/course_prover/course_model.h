#pragma once
// A course as the game reads it, and the altered copies the prover plays:
// spreads pinned to one end or the middle, one stage on its own.
#include <cstddef>
#include <string>
#include <vector>

#include "world/stage_reader.h"

namespace course {

struct Course {
  int stage_count = 0;
  std::vector<StageSection> stages;
};

// Reads the whole course with the game's reader. False, with the reason,
// when the file cannot be opened or read to its last stage (the checker
// says why).
bool load_course(const std::string& path, Course& course, std::string& problem);

// The course as a stage file.
std::string course_text(const Course& course);

// Where in its spread every spawner launches; the alternating choices give
// neighbouring spawners opposite ends.
enum class SpreadPoint { low, middle, high, low_high, high_low };
const char* spread_point_name(SpreadPoint point);

// Every spawner launches at that point of its spread, whatever the random
// sequence deals.
Course with_pinned_spreads(const Course& course, SpreadPoint point);

// The one stage as a course of its own, with the bullets given.
Course single_stage(const Course& course, std::size_t stage, int bullets);

}  // namespace course
