// The play frame's draw time in windows of other sizes: a full screen costs
// what its pixels cost.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <memory>

#include "play/play_state.h"
#include "play/play_view.h"
#include "states/gamesystem.h"
#include "tests/support/gl_window.h"
#include "world/hito.h"

namespace {

class BenchSystem final : public Gamesystem {};

// A play frame with 50 figures and the texts in a window of range(0) by
// range(1) pixels. Run it on a screen at least that large (a private Xvfb),
// or the window cannot take the size.
void BM_PlayFrameAtSize(benchmark::State& state) {
  if (!open_game_window("benchmark")) {
    state.SkipWithError("no display");
    return;
  }
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  if (!resize_game_window(w, h)) {
    state.SkipWithError("the window cannot take that size");
    return;
  }
  BenchSystem sys;
  sys.kanji.load(QS_RUN_DIR "/shnm16.f1b");
  Play_State play;
  play.resize(w, h, &sys);
  initscope();
  play.ammo = 30;
  play.field.lives = 5;
  for (int i = 0; i < 50; ++i) {
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
  state.counters["pixels"] = static_cast<double>(w) * h;
  resize_game_window(600, 600);
}
BENCHMARK(BM_PlayFrameAtSize)
    ->Args({600, 600})
    ->Args({1280, 1024})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
