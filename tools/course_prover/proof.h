#pragma once
// The proof that a course can be cleared: the marksman plays it through the
// game's play scene under many deals of the random sequence (as after any
// number of earlier launches, which is what a retry meets) and with every
// spread pinned to its ends and middle. Every stage must be cleared with no
// figure escaping, leaving a share of the course's bullets unspent. For each
// stage it also measures how much slower or later a player could be and
// still clear it, and whether a casual player would clear it as well.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/course_prover/course_model.h"
#include "tools/course_prover/marksman.h"

namespace course {

struct ProofSettings {
  HumanLimits player;                       // the player every stage must yield to
  // A stage that a player of this share of the skill clears is trivial.
  double trivial_skill = 0.3;
  std::vector<std::uint64_t> offsets{0, 1, 2, 3, 5, 8, 13, 21, 34, 55, 1000, 65537, 1000003};
  double least_spare = 0.2;                 // share of the bullets left over a course
  bool measure_difficulty = true;
  std::int64_t tick_limit = 50000;          // a course still running then never ends
};

struct StageProof {
  int launched = 0;
  int hits_needed = 0;
  int granted = 0;
  int most_shots = 0;     // over every deal
  int most_escapes = 0;
  int fewest_lives = 0;   // when the stage ends
  // Difficulty, measured on the stage alone over every deal (all 0 when
  // even the set player fails it). Skill scales the whole player: its
  // turning and steadiness by the skill, its reaction and its pause between
  // shots by the inverse. The least skill that clears the stage is its difficulty; the
  // slowest turn and the longest reaction are each varied alone.
  double least_skill = 0.0;
  double slowest_turn = 0.0;  // degrees a tick
  int longest_reaction = 0;   // ticks
  bool trivial = false;       // a player of the trivial skill clears it
};

struct CourseProof {
  std::vector<StageProof> stages;
  int granted = 0;
  int most_shots = 0;        // over every deal
  double least_spare = 1.0;  // the smallest share of bullets left over
  std::vector<std::string> failures;
  bool proven() const { return failures.empty(); }
};

CourseProof prove_course(const Course& course, const ProofSettings& settings);

}  // namespace course
