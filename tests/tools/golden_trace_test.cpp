// The golden trace: the same script gives the same checksum however often
// it is played, and a tiny change of one input changes it.
#include "tools/golden_trace/golden_script.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "world/random.h"

namespace {

const std::string course = std::string(QS_SOURCE_DIR) + "/data/extreme.txt";
constexpr std::int32_t kTicks = 1500;

TEST(GoldenTrace, RepeatsExactlyWhateverRanBefore) {
  const auto inputs = golden::script(kTicks);
  const std::string first = golden::trace(course, inputs, kTicks);
  seed_random15(77);  // the run seeds the sequence itself
  EXPECT_EQ(golden::trace(course, inputs, kTicks), first);
  EXPECT_EQ(first.size(), 16u);
}

TEST(GoldenTrace, ATinyChangeOfOneAimChangesIt) {
  const auto inputs = golden::script(kTicks);
  const std::string golden_value = golden::trace(course, inputs, kTicks);
  // One aim a tick, so each of these picks the aim at that tick; a billionth
  // of a pixel is far below anything a player could do on purpose.
  for (const std::size_t tick : {0u, 200u, 1400u}) {
    auto changed = inputs;
    for (auto& in : changed) {
      if (in.kind == replay::InputKind::aim && in.tick == static_cast<std::int32_t>(tick)) {
        in.dx += 1e-9;
        break;
      }
    }
    EXPECT_NE(golden::trace(course, changed, kTicks), golden_value) << "tick " << tick;
  }
}

TEST(GoldenTrace, TheScriptPlaysSeveralCoursesAndHits) {
  const auto inputs = golden::script(3000);
  int aims = 0, clicks = 0, retries = 0;
  for (const auto& in : inputs) {
    aims += in.kind == replay::InputKind::aim;
    clicks += in.kind == replay::InputKind::click;
    retries += in.kind == replay::InputKind::key;
  }
  EXPECT_EQ(aims, 3000);
  EXPECT_EQ(clicks, 1500);
  EXPECT_EQ(retries, 120);
  int fractional = 0;
  for (const auto& in : inputs) fractional += in.kind == replay::InputKind::aim && in.dx != std::floor(in.dx);
  EXPECT_GT(fractional, 100);
}

}  // namespace
