#pragma once
// Records every course the play scene runs. A course's replay is handed on
// when the course ends, and again when the scene is left (Y, N, Esc, Q, the
// window closed) if inputs came in after the end, such as a turn of the aim
// on the results. A course left before its end is not kept.
#include <cstdint>
#include <functional>
#include <utility>

#include "play/play_listener.h"
#include "replay/replay.h"

class Replay_Recorder final : public Play_Listener {
 public:
  // Takes each finished replay; `run` numbers the courses recorded, so that
  // a second call for the same run replaces the first.
  using Sink = std::function<void(const replay::Replay& recorded, std::int64_t run)>;

  explicit Replay_Recorder(Sink sink) : sink_(std::move(sink)) {}

  void course_started(const Play_State& play, const Gamesystem& sys) override;
  void input(const Play_State& play, const replay::Input& input) override;
  void course_finished(const Play_State& play) override;
  // The window was closed.
  void leave();

  // The course being recorded, as recorded so far.
  const replay::Replay& current() const { return current_; }

 private:
  void hand_on();

  Sink sink_;
  replay::Replay current_;
  std::int64_t run_ = 0;
  bool recording_ = false;
  bool finished_ = false;
  bool handed_on_ = false;
  std::size_t inputs_handed_on_ = 0;
};
