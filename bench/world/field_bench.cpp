// One tick of the play field: a stress scene of 500 persons and 100 bullets,
// swept with the fast hit test and with the literal 1000-sample loop, and a
// typical stage. The scenes are built so that no bullet hits (a hit would
// print a line); every bullet-person pair is tested all the same.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "sound/effect.h"
#include "world/angle.h"
#include "world/hito.h"
#include "world/sniper_field.h"
#include "world/sweep.h"
#include "world/tama.h"

namespace {

// A bullet swept by the literal loop, as the game did before the bound.
class literal_tama final : public tama {
 public:
  explicit literal_tama(const tama& t) : tama(t) {}
  bool stumb(buttai* input_buttai) override {
    if (!sweep_reaches_literal(prevpos, pos, input_buttai->pos,
                               input_buttai->radius + radius / 2.0)) {
      return false;
    }
    announce_hit();
    return true;
  }
};

struct Scene {
  std::vector<hito> persons;
  std::vector<tama> bullets;
  std::vector<Canon> spawners;
};

// Persons scattered over the range in mid-flight, and bullets fired from
// the eye at random aims, each already some way down the range. A bullet
// whose next step would pass within a unit of a person is aimed again.
Scene make_scene(int persons, int bullets, unsigned seed) {
  std::mt19937 rng(seed);
  const auto uniform = [&](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
  };
  Scene scene;
  std::vector<VECTORD> next_positions;
  for (int i = 0; i < persons; ++i) {
    hito p;
    p.life = 100.0 * (1 + i % 3);
    p.pos = VECTORD{uniform(-55, 55), uniform(0, 60), uniform(-290, -20)};
    p.size = uniform(0.5, 1.5);
    p.vel = VECTORD{uniform(-150, 150), uniform(-200, 300), 0.0};
    p.accel = VECTORD{0.0, -500.0, 0.0};
    p.slices = 10.0;
    p.pattern = 5;
    p.syoki();
    hito probe = p;
    probe.move();
    next_positions.push_back(probe.pos);
    scene.persons.push_back(p);
  }
  while (static_cast<int>(scene.bullets.size()) < bullets) {
    const double yaw = rad(uniform(-45, 45));
    const double pitch = rad(uniform(-20, 10));
    const VECTORD dir{std::sin(yaw) * std::cos(pitch), -std::sin(pitch),
                      -std::cos(yaw) * std::cos(pitch)};
    const double travelled = uniform(0, 250);
    tama b;
    b.life = 1.0;
    b.pos = VECTORD{dir.x * travelled, 6.0 + dir.y * travelled, dir.z * travelled};
    b.prevpos = b.pos;
    b.size = 0.3;
    b.vel = VECTORD{5000 * dir.x, 5000 * dir.y, 5000 * dir.z};
    b.slices = 10.0;
    b.syoki();
    tama probe = b;
    probe.move();
    bool clear = true;
    for (std::size_t i = 0; i < next_positions.size() && clear; ++i) {
      clear = !sweep_reaches(b.pos, probe.pos, next_positions[i],
                             scene.persons[i].radius + b.radius / 2.0 + 1.0);
    }
    if (clear) scene.bullets.push_back(b);
  }
  return scene;
}

void fill(Sniper_Field& field, const Scene& scene, bool literal) {
  field.lives = 5;
  field.remain = 1000;
  for (const hito& p : scene.persons) field.hitoset.push_back(std::make_unique<hito>(p));
  for (const tama& b : scene.bullets) {
    if (literal) {
      field.tamaset.push_back(std::make_unique<literal_tama>(b));
    } else {
      field.tamaset.push_back(std::make_unique<tama>(b));
    }
  }
  for (const Canon& c : scene.spawners) field.canon_insert(c);
}

// Runs `fields` ticks per iteration, each on a fresh copy of the scene.
void run_ticks(benchmark::State& state, const Scene& scene, bool literal, int fields) {
  set_effect_sink(nullptr);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<Sniper_Field> batch(static_cast<std::size_t>(fields));
    for (Sniper_Field& f : batch) fill(f, scene, literal);
    state.ResumeTiming();
    for (Sniper_Field& f : batch) f.move();
    state.PauseTiming();
    for (const Sniper_Field& f : batch) {
      if (f.hits != 0) state.SkipWithError("a bullet hit: the scene should hold near misses only");
    }
    batch.clear();
    state.ResumeTiming();
  }
  state.counters["per_tick"] = benchmark::Counter(
      static_cast<double>(fields), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["pairs"] = static_cast<double>(scene.persons.size() * scene.bullets.size());
}

const Scene& stress_scene() {
  static const Scene scene = make_scene(500, 100, 7);
  return scene;
}

const Scene& typical_scene() {
  static const Scene scene = [] {
    Scene s = make_scene(10, 5, 11);
    for (int i = 0; i < 3; ++i) {
      Canon_attrib a;
      a.pos = VECTORD{-50.0 + 50.0 * i, 0.0, -100.0 - 60.0 * i};
      a.interval = 8;
      a.angle = 50 + 20 * i;
      a.spread = 20;
      a.speed = 400;
      a.num = 10;
      a.delay = i;  // one launches on the measured tick
      a.size = 1.0;
      a.kind = i;
      s.spawners.emplace_back(a);
    }
    return s;
  }();
  return scene;
}

void BM_StressTickFast(benchmark::State& state) { run_ticks(state, stress_scene(), false, 1); }
void BM_StressTickLiteral(benchmark::State& state) { run_ticks(state, stress_scene(), true, 1); }
void BM_TypicalTick(benchmark::State& state) { run_ticks(state, typical_scene(), false, 200); }

BENCHMARK(BM_StressTickFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StressTickLiteral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypicalTick)->Unit(benchmark::kMicrosecond);

}  // namespace
