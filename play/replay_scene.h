#pragma once
// Watching a recorded run: the play scene is driven by the recorded inputs
// on their ticks, and draws what the player saw. The viewer's own pointer
// and keys do nothing but leave (Esc or Q, status 0).
#include <cstddef>
#include <utility>

#include "play/play_state.h"
#include "replay/replay.h"
#include "states/state.h"

class Replay_State final : public State {
 public:
  explicit Replay_State(replay::Replay recorded) : recorded_(std::move(recorded)) {}

  // Starts the course as it was started when it was recorded.
  void state_init(Gamesystem* sys) override;
  void keyboard(unsigned char key, int x, int y, Gamesystem* sys) override;
  // Hands the scene the inputs that arrived before this tick, then ticks it.
  void timer(int value, Gamesystem* sys) override;
  void display(Gamesystem* sys) override;

  const Play_State& play() const { return play_; }
  // The scene watched, for a view that draws it its own way.
  Play_State& scene() { return play_; }

 private:
  replay::Replay recorded_;
  Play_State play_;
  std::size_t next_ = 0;
};
