#include "replay/replay.h"

#include <cstring>

namespace replay {
namespace {

// Compared by their bits: a replay must restore every input exactly.
bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

bool operator==(const Input& a, const Input& b) {
  return a.tick == b.tick && a.kind == b.kind && same_bits(a.dx, b.dx) && same_bits(a.dy, b.dy) &&
         a.key == b.key;
}

bool operator==(const Result& a, const Result& b) {
  return a.ticks == b.ticks && a.stage == b.stage && a.shots == b.shots && a.hits == b.hits &&
         a.lives == b.lives && a.cleared == b.cleared && a.title == b.title;
}

bool operator==(const Replay& a, const Replay& b) {
  return a.course_name == b.course_name && a.course_text == b.course_text &&
         a.random_state == b.random_state && a.start_tick == b.start_tick && a.level == b.level &&
         a.inputs == b.inputs && a.result == b.result;
}

}  // namespace replay
