// The play frame's draw time with figures in flight, and the cost of a tick
// of the shipped courses' heaviest stage.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>

#include "play/play_state.h"
#include "play/play_view.h"
#include "sound/effect.h"
#include "states/gamesystem.h"
#include "tests/support/gl_window.h"
#include "world/hito.h"
#include "world/random.h"
#include "world/stage_install.h"
#include "world/stage_reader.h"

namespace {

class BenchSystem final : public Gamesystem {};


// range(0) figures in flight; range(1) 0 leaves the texts out.
void BM_PlayFrame(benchmark::State& state) {
  if (!open_game_window("benchmark")) {
    state.SkipWithError("no display");
    return;
  }
  BenchSystem sys;
  if (state.range(1)) sys.kanji.load(QS_RUN_DIR "/shnm16.f1b");
  Play_State play;
  play.resize(600, 600, &sys);
  initscope();
  play.ammo = 30;
  play.field.lives = 5;
  const int figures = static_cast<int>(state.range(0));
  for (int i = 0; i < figures; ++i) {
    auto person = std::make_unique<hito>();
    person->pos = {-20.0 + (i % 10) * 4.5, 2.0 + (i / 10) * 3.0, -40.0 - (i % 7) * 20.0};
    person->size = 1.0;
    person->life = 100.0 * (1 + i % 3);
    person->slices = 10;
    person->syoki();
    play.field.buttai_insert(std::move(person));
  }
  for (auto _ : state) {
    play.display(&sys);
    glFinish();
  }
  play.field.buttai_del();
}
BENCHMARK(BM_PlayFrame)->Args({0, 1})->Args({50, 1})->Args({50, 0})->Unit(benchmark::kMillisecond)->UseRealTime();

// Every stage of every shipped course is played without a shot until it is
// over; the stage whose ticks cost most is reported.
void BM_HeaviestStageTick(benchmark::State& state) {
  set_effect_sink(nullptr);  // silence, without opening a sound device
  double worst_seconds_per_tick = 0;
  std::string worst;
  for (auto _ : state) {
    for (const char* course : {"basic.txt", "advanced.txt", "sniper.txt", "extreme.txt"}) {
      std::ifstream in(std::string(QS_RUN_DIR "/") + course);
      seed_random15(1);
      const int stages = read_stage_count(in);
      for (int stage = 0; stage < stages; ++stage) {
        Sniper_Field field;
        install_stage_section(read_stage_section(in), field);
        field.lives = 1000;
        int ticks = 0;
        const auto start = std::chrono::steady_clock::now();
        while (!field.stageend() && ticks < 5000) {
          field.move();
          ++ticks;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (ticks > 0 && took.count() / ticks > worst_seconds_per_tick) {
          worst_seconds_per_tick = took.count() / ticks;
          worst = std::string(course) + " stage " + std::to_string(stage + 1);
        }
      }
    }
  }
  state.counters["worst_us_per_tick"] = worst_seconds_per_tick * 1e6;
  state.SetLabel(worst);
}
BENCHMARK(BM_HeaviestStageTick)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
