// What sound costs the game: start-up (device, effects, soundfont, tune) and,
// on the game thread, an effect and a music restart while music plays. The
// device is SDL's disk driver writing to /dev/null, so the mixer's audio
// thread runs at real-time pace as it would on a sound card.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "sound/audio.h"
#include "sound/effect.h"
#include "sound/midi_file.h"
#include "sound/midi_synth.h"
#include "sound/music.h"

namespace {

using Clock = std::chrono::steady_clock;

// The game looks its files up in the run folder.
const bool kInRunFolder = [] {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
  return chdir(QS_RUN_DIR) == 0;
}();

void require_run_folder(benchmark::State& state) {
  if (!kInRunFolder) state.SkipWithError("cannot enter the run folder");
}

// Device, mixer and the five effects decoded.
void BM_OpenAudio(benchmark::State& state) {
  require_run_folder(state);
  for (auto _ : state) {
    if (!sound::open_audio()) state.SkipWithError("no audio device");
    state.PauseTiming();
    sound::close_audio();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenAudio)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LoadSoundfont(benchmark::State& state) {
  for (auto _ : state) {
    auto synth = sound::MidiSynth::create(sound::kDefaultSoundfont, 44100, 2);
    if (!synth) state.SkipWithError("no soundfont");
    benchmark::DoNotOptimize(synth.get());
  }
}
BENCHMARK(BM_LoadSoundfont)->Unit(benchmark::kMillisecond)->Iterations(5);

// The game's start-up call with the device already open: read the tune,
// load the soundfont, attach the synthesiser.
void BM_MusicInit(benchmark::State& state) {
  require_run_folder(state);
  for (auto _ : state) {
    state.PauseTiming();
    sound::open_audio();
    music bgm;
    state.ResumeTiming();
    if (bgm.Init(2, "bgm.mid") != 1) state.SkipWithError("cannot open bgm.mid");
    state.PauseTiming();
    bgm.Term();
    sound::close_audio();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MusicInit)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReadTune(benchmark::State& state) {
  require_run_folder(state);
  for (auto _ : state) benchmark::DoNotOptimize(sound::load_midi("bgm.mid"));
}
BENCHMARK(BM_ReadTune)->Unit(benchmark::kMicrosecond);

// Calls at random moments relative to the audio thread, as the game does a
// few times a tick, each timed on its own: a call may have to wait while the
// audio thread holds the device to mix a buffer, and the worst case counts.
template <typename Call>
void time_calls(benchmark::State& state, Call call) {
  std::vector<double> micros;
  micros.reserve(static_cast<std::size_t>(state.max_iterations));
  for (auto _ : state) {
    state.PauseTiming();
    std::this_thread::sleep_for(std::chrono::microseconds(700 + micros.size() * 7919 % 900));
    state.ResumeTiming();
    const auto start = Clock::now();
    call();
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  std::sort(micros.begin(), micros.end());
  const auto at = [&](double share) { return micros[static_cast<std::size_t>(share * static_cast<double>(micros.size() - 1))]; };
  state.counters["median_us"] = at(0.5);
  state.counters["p99_us"] = at(0.99);
  state.counters["max_us"] = micros.back();
}

class MusicPlaying {
 public:
  MusicPlaying() {
    sound::open_audio();
    ok_ = bgm_.Init(2, "bgm.mid") == 1 && bgm_.Play() == 1;
  }
  ~MusicPlaying() {
    bgm_.Term();
    sound::close_audio();
  }
  bool ok() const { return ok_; }
  music& bgm() { return bgm_; }

 private:
  music bgm_;
  bool ok_ = false;
};

void BM_PlayEffect(benchmark::State& state) {
  require_run_folder(state);
  MusicPlaying playing;
  if (!playing.ok()) state.SkipWithError("no music");
  static constexpr const char* kEffects[] = {"shot.wav", "ata.wav", "kara.wav", "cap.wav", "life.wav"};
  std::size_t next = 0;
  time_calls(state, [&] { play_effect(kEffects[next++ % 5]); });
}
BENCHMARK(BM_PlayEffect)->Unit(benchmark::kMicrosecond)->Iterations(2000);

void BM_RestartMusic(benchmark::State& state) {
  require_run_folder(state);
  MusicPlaying playing;
  if (!playing.ok()) state.SkipWithError("no music");
  time_calls(state, [&] { benchmark::DoNotOptimize(playing.bgm().Play()); });
}
BENCHMARK(BM_RestartMusic)->Unit(benchmark::kMicrosecond)->Iterations(2000);

// The audio thread's share: synthesising one 1024-frame buffer (23 ms of
// sound) of the tune, with everything it plays.
void BM_SynthesiseBuffer(benchmark::State& state) {
  require_run_folder(state);
  const auto song = sound::load_midi("bgm.mid");
  auto synth = sound::MidiSynth::create(sound::kDefaultSoundfont, 44100, 2);
  if (!song || !synth) {
    state.SkipWithError("no tune or soundfont");
    return;
  }
  synth->load(*song);
  std::vector<std::int16_t> buffer(1024 * 2);
  int blocks = 0;
  for (auto _ : state) {
    if (blocks++ % 4000 == 0) synth->restart();  // stay inside the tune's hundred seconds
    synth->render(buffer.data(), 1024);
    benchmark::ClobberMemory();
  }
  // Seconds of music made per second of processor time.
  state.counters["times_realtime"] =
      benchmark::Counter(1024.0 / 44100.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SynthesiseBuffer)->Unit(benchmark::kMicrosecond);

}  // namespace
