// The golden trace's input stream played headless twice, plain and with the
// smooth view's reads between the ticks and after every turn of the aim,
// gives the kept checksum both times; a frame that wrote to the simulation
// in any of a few small ways would not.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "play/headless_run.h"
#include "play/run_trace.h"
#include "tests/play/smooth_reads.h"
#include "tools/golden_trace/golden_script.h"
#include "world/random.h"

namespace {

struct Kept {
  std::string course;
  std::int32_t ticks = 0;
  std::string sum;
};

Kept kept_golden() {
  std::ifstream line(std::string(QS_SOURCE_DIR) + "/tests/golden/trace.txt");
  Kept kept;
  std::string course;
  line >> course >> kept.ticks >> kept.sum;
  kept.course = std::string(QS_SOURCE_DIR) + "/data/" + course;
  return kept;
}

std::string course_text(const std::string& file) {
  std::ifstream in(file);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The golden run, with `extra` around every tick and after every aim.
std::string traced_run(const Kept& kept, Between_Ticks& extra) {
  Run_Start start;
  start.course_name = kept.course;
  start.course_text = course_text(kept.course);
  const std::vector<replay::Input> inputs = golden::script(kept.ticks);
  Headless_Run run(start);
  Run_Trace checksum;
  std::size_t next = 0;
  for (std::int32_t t = 0; t < kept.ticks; ++t) {
    while (next < inputs.size() && inputs[next].tick <= t) {
      const replay::Input& input = inputs[next++];
      run.deliver(input);
      if (input.kind == replay::InputKind::aim) extra.frame(run.scene(), run.system());
    }
    extra.before_tick(run.scene());
    run.tick();
    extra.after_tick(run.scene(), run.system());
    extra.frame(run.scene(), run.system());
    checksum.ticked(run.play());
  }
  return checksum.hex();
}

class SmoothGolden : public ::testing::Test {
 protected:
  void SetUp() override {
    kept = kept_golden();
    ASSERT_EQ(kept.sum.size(), 16u) << "tests/golden/trace.txt unreadable";
    ASSERT_FALSE(course_text(kept.course).empty()) << kept.course;
  }
  Kept kept;
};

TEST_F(SmoothGolden, PlainAndSmoothRunsBothGiveTheKeptChecksum) {
  Between_Ticks plain;
  EXPECT_EQ(traced_run(kept, plain), kept.sum);

  seed_random15(99);  // the run seeds the sequence itself
  Smooth_Reads smooth;
  EXPECT_EQ(traced_run(kept, smooth), kept.sum);
  // The frames did draw figures and bullets between their ticks, and had
  // texts to show.
  EXPECT_GT(smooth.drawn_between, 10000);
  EXPECT_TRUE(smooth.view.ready());

  // The loop above is the golden tool's own.
  EXPECT_EQ(golden::trace(kept.course, golden::script(kept.ticks), kept.ticks), kept.sum);
}

// A write that can be made in this frame (true) or has to wait (false).
using Write = std::function<bool(Play_State&)>;

// Smooth reads with one small write slipped into a single frame: the first
// from `at_frame` on where the write can be made.
class Careless_Frame final : public Between_Ticks {
 public:
  Careless_Frame(long at_frame, Write write) : at_frame_(at_frame), write_(std::move(write)) {}
  void before_tick(Play_State& play) override { reads_.before_tick(play); }
  void after_tick(Play_State& play, Gamesystem& sys) override { reads_.after_tick(play, sys); }
  void frame(Play_State& play, Gamesystem& sys) override {
    reads_.frame(play, sys);
    if (!written && ++frames_ >= at_frame_) written = write_(play);
  }
  bool written = false;

 private:
  Smooth_Reads reads_;
  long at_frame_;
  long frames_ = 0;
  Write write_;
};

TEST_F(SmoothGolden, AFrameThatWritesToTheSimulationChangesTheChecksum) {
  struct Case {
    const char* what;
    long at_frame;
    Write write;
  };
  const std::vector<Case> cases = {
      {"the yaw nudged by a billionth of a degree", 301,
       [](Play_State& play) {
         play.yaw += 1e-9;
         return true;
       }},
      {"the pitch nudged late in the run", 5501,
       [](Play_State& play) {
         play.pitch -= 1e-9;
         return true;
       }},
      {"a figure moved by a billionth", 1201,
       [](Play_State& play) {
         if (play.field.hitoset.empty()) return false;
         play.field.hitoset.front()->pos.x += 1e-9;
         return true;
       }},
      {"a bullet slowed by a billionth", 2401,
       [](Play_State& play) {
         if (play.field.tamaset.empty()) return false;
         play.field.tamaset.front()->vel.z *= 1.0 - 1e-9;
         return true;
       }},
      {"one draw from the random sequence", 4001,
       [](Play_State&) {
         random15();
         return true;
       }},
  };
  for (const Case& c : cases) {
    Careless_Frame careless(c.at_frame, c.write);
    EXPECT_NE(traced_run(kept, careless), kept.sum) << c.what;
    EXPECT_TRUE(careless.written) << c.what;
  }
}

}  // namespace
