// An hour of play without a window: the real menu and play scenes, tick by
// tick, on the game's courses, with a bot that aims and fires. Each course is
// played, retried once, then left for the menu and the next course. Reports
// the peak and current memory after the first 1,000 ticks and at the end,
// and the heap blocks alive at every return to the menu; fails when the
// memory grows, heap blocks are left behind, or the field keeps objects
// after clearing.
//
// Usage: soak COURSE_DIR [TICKS]   (default 36,000 ticks: an hour of play)
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "play/play_state.h"
#include "sound/effect.h"
#include "states/gamesystem.h"
#include "states/menu_state.h"
#include "tests/reliability/soak_bot.h"

namespace fs = std::filesystem;

// AddressSanitizer brings its own global allocator, which must not be
// replaced, and holds freed memory back, so resident memory grows under it
// whatever the game does. There its leak check stands in for both counts.
#if defined(__SANITIZE_ADDRESS__)
#define QS_SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QS_SOAK_UNDER_ASAN 1
#endif
#endif

// Every heap block the program holds, counted through the global allocator.
// All forms are replaced together, so that every block is freed by the
// allocator that made it.
static long live_blocks = 0;

#ifndef QS_SOAK_UNDER_ASAN

static void* take(std::size_t size) noexcept {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block != nullptr) ++live_blocks;
  return block;
}
static void* take_or_throw(std::size_t size) {
  void* block = take(size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}
static void release(void* block) noexcept {
  if (block != nullptr) --live_blocks;
  std::free(block);
}

void* operator new(std::size_t size) { return take_or_throw(size); }
void* operator new[](std::size_t size) { return take_or_throw(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return take(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return take(size); }
void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t) noexcept { release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { release(block); }
#endif

namespace {

constexpr long kMeasureAt = 1000;
constexpr int kAttemptsPerCourse = 2;  // the first play and one retry
// Growth of the peak memory between tick 1,000 and the end that still counts
// as flat: the allocator's own slack, far below what leaked figures would take.
constexpr long kFlatKiB = 1024;

class SoakSystem final : public Gamesystem {};

// Counts effects instead of recording them, so that the soak's own memory
// stays flat.
class EffectCounter final : public EffectSink {
 public:
  EffectCounter() : previous_(set_effect_sink(this)) {}
  ~EffectCounter() override { set_effect_sink(previous_); }
  void play(const char* file) override { ++counts[file]; }
  std::map<std::string, long> counts;

 private:
  EffectSink* previous_;
};

struct Memory {
  long peak_kib = 0;  // VmHWM
  long now_kib = 0;   // VmRSS
};

Memory memory_now() {
  Memory m;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    // Lines such as "VmHWM:\t   5120 kB".
    if (line.rfind("VmHWM:", 0) == 0) m.peak_kib = std::atol(line.c_str() + 6);
    if (line.rfind("VmRSS:", 0) == 0) m.now_kib = std::atol(line.c_str() + 6);
  }
  return m;
}

bool memory_is_judged() {
#ifdef QS_SOAK_UNDER_ASAN
  return false;
#else
  return true;
#endif
}

bool field_is_empty(const Sniper_Field& field) {
  return field.hitoset.empty() && field.tamaset.empty() && field.buildingset.empty() &&
         field.canonset.empty();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s COURSE_DIR [TICKS]\n", argv[0]);
    return 2;
  }
  const fs::path course_dir = fs::absolute(argv[1]);
  const long total_ticks = argc > 2 ? std::atol(argv[2]) : 36000;

  // The report goes to the original output; the game's console lines
  // ("ヒット" on every hit) go nowhere.
  std::FILE* report = fdopen(::dup(1), "w");
  if (report == nullptr || std::freopen("/dev/null", "w", stdout) == nullptr) return 2;

  // The game looks its files up in the current folder: a private one.
  const fs::path work = fs::temp_directory_path() / ("soak_" + std::to_string(::getpid()));
  fs::create_directories(work);
  std::vector<int> levels;
  for (int level = 0; level < 4; ++level) {
    const fs::path course = course_dir / courses[level].stagefile;
    if (!fs::exists(course)) continue;
    fs::copy_file(course, work / courses[level].stagefile);
    levels.push_back(level);
  }
  if (levels.empty()) {
    std::fprintf(stderr, "soak: no course files in %s\n", course_dir.c_str());
    return 2;
  }
  fs::current_path(work);
  std::ofstream(progress_file_name) << 3;  // every course unlocked

  bool ok = true;
  {
    EffectCounter effects;
    SoakSystem sys;
    sys.width = 600;
    sys.height = 600;
    sys.score.file_open("ranking.dat");
    Menu_State menu;
    Play_State play;
    State::register_state(MENU, &menu);
    State::register_state(PLAY, &play);
    sys.nowstate = &menu;
    menu.state_init(&sys);

    const SoakBot bot;
    std::size_t next_level = 0;
    int attempts = 0;
    long clears = 0, game_overs = 0;
    std::map<std::string, long> plays;  // per course file, retries included
    std::vector<long> blocks_at_menu;
    Memory early;

    for (long tick = 1; tick <= total_ticks; ++tick) {
      if (sys.nowstate == &menu) {
        blocks_at_menu.push_back(live_blocks);
        sys.nowstate->keyboard(courses[levels[next_level]].key, 0, 0, &sys);
        next_level = (next_level + 1) % levels.size();
        attempts = 1;
        ++plays[sys.stagefile];
      } else if (play.finished) {
        play.allclear ? ++clears : ++game_overs;
        const bool retry = attempts < kAttemptsPerCourse;
        sys.nowstate->keyboard(retry ? 'y' : 'n', 0, 0, &sys);
        if (retry) {
          ++attempts;
          ++plays[sys.stagefile];
        } else if (!field_is_empty(play.field)) {
          std::fprintf(report, "soak: the field kept objects after returning to the menu\n");
          ok = false;
        }
      } else {
        bot.act(play, sys, tick);
      }
      sys.nowstate->timer(0, &sys);
      if (tick == kMeasureAt) early = memory_now();
    }
    const Memory late = memory_now();

    play.field.buttai_del();
    if (!field_is_empty(play.field)) {
      std::fprintf(report, "soak: the field kept objects after clearing\n");
      ok = false;
    }

    std::fprintf(report, "ticks %ld; courses cleared %ld, game over %ld; played (retries included):",
                 total_ticks, clears, game_overs);
    for (const auto& [course, count] : plays) std::fprintf(report, " %s %ld", course.c_str(), count);
    std::fprintf(report, "\n");
    std::fprintf(report, "effects:");
    for (const auto& [file, count] : effects.counts) std::fprintf(report, " %s %ld", file.c_str(), count);
    std::fprintf(report, "\n");
    std::fprintf(report, "memory at tick %ld: peak %ld KiB, resident %ld KiB\n", kMeasureAt, early.peak_kib,
                 early.now_kib);
    std::fprintf(report, "memory at tick %ld: peak %ld KiB, resident %ld KiB\n", total_ticks, late.peak_kib,
                 late.now_kib);
    if (!memory_is_judged()) {
      std::fprintf(report, "memory and heap blocks not judged: the address sanitizer's leak check stands in\n");
    } else if (total_ticks >= kMeasureAt && late.peak_kib - early.peak_kib > kFlatKiB) {
      std::fprintf(report, "soak: peak memory grew by %ld KiB\n", late.peak_kib - early.peak_kib);
      ok = false;
    }
    // The first visit comes before any course. After it the count varies a
    // little with the ranking table's titles, but must not creep upwards.
    if (memory_is_judged() && blocks_at_menu.size() >= 5) {
      const auto half = blocks_at_menu.begin() + static_cast<std::ptrdiff_t>(blocks_at_menu.size() / 2);
      const long earlier = *std::max_element(blocks_at_menu.begin() + 1, half);
      const long later = *std::max_element(half, blocks_at_menu.end());
      std::fprintf(report, "heap blocks at the menu: most %ld in the earlier half, %ld in the later (%zu visits)\n",
                   earlier, later, blocks_at_menu.size());
      if (later > earlier) {
        std::fprintf(report, "soak: heap blocks left behind between visits to the menu\n");
        ok = false;
      }
    }
    State::State_list.clear();
  }
  fs::current_path(course_dir);
  fs::remove_all(work);
  std::fprintf(report, "%s\n", ok ? "soak: passed" : "soak: FAILED");
  std::fclose(report);
  return ok ? 0 : 1;
}
