#include "tools/course_prover/course_run.h"

#include "sound/effect.h"
#include "tools/course_checker/sequence.h"
#include "world/random.h"

namespace course {
namespace {

class HeadlessSystem final : public Gamesystem {};

// Effects stay silent while a course is played, and come back after.
class SilentEffects {
 public:
  SilentEffects() : chosen_before_(effect_sink_chosen()), previous_(set_effect_sink(nullptr)) {}
  ~SilentEffects() {
    if (chosen_before_) {
      set_effect_sink(previous_);
    } else {
      reset_effect_sink();
    }
  }
  SilentEffects(const SilentEffects&) = delete;
  SilentEffects& operator=(const SilentEffects&) = delete;

 private:
  bool chosen_before_;
  EffectSink* previous_;
};

}  // namespace

CoursePlay play_course(const std::string& stage_file, const HumanLimits& limits,
                       std::uint64_t offset, std::int64_t tick_limit) {
  const SilentEffects silence;
  HeadlessSystem sys;
  sys.stagefile = stage_file;
  sys.clearlevel = 4;  // every course open already: no progress to write
  seed_random15(state_after_draws(offset));

  Play_State play;
  play.state_init(&sys);
  Marksman marksman(limits);
  CoursePlay result;
  StagePlay current;
  current.granted = play.ammo;
  int shots_before = 0, launched_before = 0, escapes_before = 0, dry_before = 0;

  const auto close_stage = [&](int lives) {
    current.shots = play.shots - shots_before;
    current.launched = marksman.launched() - launched_before;
    current.escapes = marksman.escapes() - escapes_before;
    current.dry_shots = marksman.dry_shots() - dry_before;
    current.lives_left = lives;
    result.stages.push_back(current);
    shots_before = play.shots;
    launched_before = marksman.launched();
    escapes_before = marksman.escapes();
    dry_before = marksman.dry_shots();
    current = StagePlay{};
  };

  for (std::int64_t tick = 0; !play.finished; ++tick) {
    if (tick == tick_limit) {
      result.timed_out = true;
      break;
    }
    marksman.act(play, sys);
    const int stage = play.stage;
    const int ammo = play.ammo;
    const int lives = play.field.lives;
    play.timer(0, &sys);
    if (play.stage != stage) {
      // The stage was cleared at the start of this tick: what the tick's
      // move brought belongs to the next one, and so do the bullets added.
      close_stage(lives);
      current.granted = play.ammo - ammo;
    }
    if (play.field.hitoset.size() > kCrowdLimit) {
      result.overcrowded = true;
      break;
    }
    marksman.observe(play.field);
    ++current.ticks;
  }
  if (!result.timed_out && !result.overcrowded) close_stage(play.field.lives);
  result.all_clear = play.allclear;
  return result;
}

}  // namespace course
