#pragma once
// A recorded run of one course: everything needed to play it again with no
// other file, and the result it reached.
#include <cstdint>
#include <string>
#include <vector>

namespace replay {

enum class InputKind : std::uint8_t {
  aim = 1,    // a real pointer movement turned the aim by (dx, dy) pixels
  click = 2,  // a left-button press
  key = 3,    // a key the play scene acted on
};

struct Input {
  std::int32_t tick = 0;  // ticks of the course played when the input arrived
  InputKind kind = InputKind::click;
  double dx = 0.0;
  double dy = 0.0;
  unsigned char key = 0;
};

bool operator==(const Input& a, const Input& b);

struct Result {
  std::int32_t ticks = 0;  // ticks played until the course ended
  std::int32_t stage = 0;  // 0-based stage on which it ended
  std::int32_t shots = 0;
  std::int32_t hits = 0;
  std::int32_t lives = 0;
  bool cleared = false;
  std::string title;  // the rank title, UTF-8
};

bool operator==(const Result& a, const Result& b);
inline bool operator!=(const Result& a, const Result& b) { return !(a == b); }

struct Replay {
  std::string course_name;  // the stage file's name as it was played
  std::string course_text;  // the stage file's full text
  std::uint32_t random_state = 1;  // the random sequence at the course's start
  std::int32_t start_tick = 1;     // the scene's tick counter at the start
  std::int32_t level = 0;          // the course's place in the menu, 0 to 3
  std::vector<Input> inputs;       // in the order they arrived
  Result result;
};

bool operator==(const Replay& a, const Replay& b);

}  // namespace replay
