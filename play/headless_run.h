#pragma once
// The real play scene run with no window and no sound: a course's text, the
// random state and tick counter at its start, and inputs delivered on the
// ticks they arrived. The replay checker and the golden trace both run on it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "play/play_state.h"
#include "replay/replay.h"
#include "sound/effect.h"
#include "states/gamesystem.h"

struct Run_Start {
  std::string course_name;  // where a retry reads the course again
  std::string course_text;
  std::uint32_t random_state = 1;
  std::int32_t start_tick = 1;
  std::int32_t level = 0;
};

// The start of the run a replay recorded.
Run_Start run_start_of(const replay::Replay& recorded);

class Headless_Run {
 public:
  // Seeds the random sequence and starts the course, telling the listener
  // (if any) of the start and of every input. Effects and console lines are
  // silenced while the run exists.
  explicit Headless_Run(const Run_Start& start, Play_Listener* listener = nullptr);
  ~Headless_Run();
  Headless_Run(const Headless_Run&) = delete;
  Headless_Run& operator=(const Headless_Run&) = delete;

  // Hands the input to the scene as the window would. Keys that leave the
  // scene (Esc, Q, N) end nothing here: the run is simply not continued.
  void deliver(const replay::Input& input);
  // One timer tick.
  void tick();

  const Play_State& play() const { return *play_; }
  // For a player that acts on the scene directly, as the window would.
  Play_State& scene() { return *play_; }
  Gamesystem& system() { return sys_; }
  // False once the scene has been left (N goes back to the menu).
  bool in_course() const { return sys_.nowstate == play_.get(); }

 private:
  class System final : public Gamesystem {};
  // Effects and console lines stay silent while it lives.
  class Silence {
   public:
    Silence();
    ~Silence();
    Silence(const Silence&) = delete;
    Silence& operator=(const Silence&) = delete;

   private:
    EffectSink* effects_;
    bool quiet_;
  };

  Silence silence_;
  System sys_;
  std::unique_ptr<Play_State> play_;
};

// The result the scene shows, as a replay records it.
replay::Result result_of(const Play_State& play);

// Told after every tick of a run played back.
class Tick_Observer {
 public:
  virtual ~Tick_Observer() = default;
  virtual void ticked(const Play_State& play) = 0;
};

struct Playback {
  bool ended = false;  // the course ended within the tick limit
  replay::Result result;
};

// Plays the inputs back, each before the tick it arrived ahead of, until
// the course ends or tick_limit ticks have run.
Playback play_back(const Run_Start& start, const std::vector<replay::Input>& inputs,
                   std::int32_t tick_limit, Tick_Observer* observer = nullptr);
