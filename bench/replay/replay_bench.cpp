// Replays: the time to verify the longest shipped course played through
// (the marksman's run of Extreme), and the file's size per minute of play
// for the marksman and for denser pointers.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "play/headless_run.h"
#include "play/replay_recorder.h"
#include "replay/replay_file.h"
#include "tools/course_prover/marksman.h"

namespace {

// The marksman's run of Extreme, recorded once.
const replay::Replay& extreme_run() {
  static const replay::Replay recorded = [] {
    std::ifstream file(std::string(QS_SOURCE_DIR) + "/data/extreme.txt");
    std::ostringstream text;
    text << file.rdbuf();
    Run_Start start;
    start.course_name = "extreme.txt";
    start.course_text = text.str();
    start.level = 3;
    replay::Replay r;
    Replay_Recorder recorder([&r](const replay::Replay& got, std::int64_t) { r = got; });
    Headless_Run run(start, &recorder);
    course::Marksman marksman(course::HumanLimits{});
    while (!run.play().finished) {
      marksman.act(run.scene(), run.system());
      run.tick();
      marksman.observe(run.play().field);
    }
    return r;
  }();
  return recorded;
}

// What --verify does after reading the file: decode, play back, compare.
void BM_VerifyExtreme(benchmark::State& state) {
  const std::string file = replay::encode(extreme_run());
  for (auto _ : state) {
    const replay::Decoded d = replay::decode(file);
    const Playback back = play_back(run_start_of(d.replay), d.replay.inputs, d.replay.result.ticks);
    if (!(back.result == d.replay.result)) state.SkipWithError("the run did not verify");
    benchmark::DoNotOptimize(back);
  }
  state.counters["ticks"] = extreme_run().result.ticks;
  state.counters["minutes"] = extreme_run().result.ticks / 600.0;
}
BENCHMARK(BM_VerifyExtreme)->Unit(benchmark::kMillisecond);

// A minute of play with range(0) pointer moves a second and a click a
// second. range(1): 0 whole pixels, 1 fractions of 1/1024 pixel (a pointer
// with fixed-point deltas), 2 arbitrary doubles.
replay::Replay dense_minute(int moves_per_second, int fractions) {
  replay::Replay r = extreme_run();
  r.inputs.clear();
  r.result.ticks = 600;
  const int moves = moves_per_second * 60;
  std::uint32_t noise = 2463534242u;  // no pattern that the packing could find
  for (int i = 0; i < moves; ++i) {
    noise ^= noise << 13;
    noise ^= noise >> 17;
    noise ^= noise << 5;
    replay::Input aim;
    aim.tick = i * 600 / moves;
    aim.kind = replay::InputKind::aim;
    // A hand's wandering: up to a few pixels each way.
    const int wx = static_cast<int>(noise % 15) - 7;
    const int wy = static_cast<int>((noise >> 8) % 7) - 3;
    const double fx = static_cast<double>((noise >> 16) % 1024);
    const double fy = static_cast<double>((noise >> 4) % 1024);
    aim.dx = fractions == 0 ? wx : wx + (fractions == 1 ? fx / 1024.0 : fx / 1000.0);
    aim.dy = fractions == 0 ? wy : wy + (fractions == 1 ? fy / 1024.0 : fy / 3000.0);
    r.inputs.push_back(aim);
    if (i % moves_per_second == 0) {
      replay::Input click;
      click.tick = aim.tick;
      click.kind = replay::InputKind::click;
      r.inputs.push_back(click);
    }
  }
  return r;
}

void BM_MinuteSize(benchmark::State& state) {
  const replay::Replay r = dense_minute(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const std::size_t course = replay::encode([&] {
                               replay::Replay empty = r;
                               empty.inputs.clear();
                               return empty;
                             }())
                                 .size();
  std::size_t size = 0;
  for (auto _ : state) {
    size = replay::encode(r).size();
    benchmark::DoNotOptimize(size);
  }
  state.counters["bytes_per_minute"] = static_cast<double>(size - course);
  state.counters["file_bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_MinuteSize)
    ->Args({10, 0})
    ->Args({60, 0})
    ->Args({60, 1})
    ->Args({125, 1})
    ->Args({125, 2})
    ->Unit(benchmark::kMillisecond);

void BM_MarksmanMinuteSize(benchmark::State& state) {
  const replay::Replay& r = extreme_run();
  std::size_t size = 0;
  for (auto _ : state) {
    size = replay::encode(r).size();
    benchmark::DoNotOptimize(size);
  }
  state.counters["bytes_per_minute"] = static_cast<double>(size) / (r.result.ticks / 600.0);
  state.counters["inputs"] = static_cast<double>(r.inputs.size());
}
BENCHMARK(BM_MarksmanMinuteSize)->Unit(benchmark::kMillisecond);

}  // namespace
