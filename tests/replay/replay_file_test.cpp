// The replay file: what is written reads back bit for bit, and every kind
// of damaged or hostile file is refused with one line.
#include "replay/replay_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/replay/replay_test_data.h"

namespace {

using replay_test::aim;
using replay_test::sample;

TEST(ReplayFile, RoundTripKeepsEveryInputBitForBit) {
  const std::vector<std::vector<replay::Input>> cases = {
      {},
      {aim(0, 1, 1)},
      {aim(0, -0.0, 0.0)},  // minus zero must stay minus zero
      {aim(3, 0.1, -0.2), aim(3, 1e-300, -1e300)},
      {aim(0, (1 << 30) - 1, -(1 << 30) + 1), aim(1, 1 << 30, -(1 << 30))},  // either side of the limit
      {aim(0, 4.9406564584124654e-324, std::numeric_limits<double>::max())},
      // Fixed-point fractions, as pointers with 32-bit fractions report them.
      {aim(0, 3 + 12345.0 / 4294967296.0, -0.5), aim(0, -(1 << 29) - 0.75, 1.0 / 4294967296.0)},
      {aim(2, 0.5, 7), aim(2, -0.0, 0.5), aim(2, 0.1, 0.5)},
      {replay_test::click(replay::kMaxTicks), replay_test::key(replay::kMaxTicks, 27)},
  };
  for (const auto& inputs : cases) {
    replay::Replay r = sample();
    r.inputs = inputs;
    const replay::Decoded back = replay::decode(replay::encode(r));
    ASSERT_TRUE(back.ok()) << back.error;
    EXPECT_TRUE(back.replay == r);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      EXPECT_EQ(std::signbit(back.replay.inputs[i].dx), std::signbit(inputs[i].dx)) << i;
    }
  }
}

TEST(ReplayFile, RoundTripKeepsTheStartAndResult) {
  replay::Replay r = sample();
  r.random_state = 0xffffffffu;
  r.start_tick = 2147483646;
  r.level = 3;
  r.result.lives = -7;
  r.result.cleared = false;
  const replay::Decoded back = replay::decode(replay::encode(r));
  ASSERT_TRUE(back.ok()) << back.error;
  EXPECT_TRUE(back.replay == r);
}

TEST(ReplayFile, EveryCutIsRefused) {
  const std::string file = replay::encode(sample());
  for (std::size_t size = 0; size < file.size(); ++size) {
    const replay::Decoded d = replay::decode(file.substr(0, size));
    EXPECT_FALSE(d.ok()) << "cut to " << size << " bytes";
  }
}

TEST(ReplayFile, EveryFlippedBitIsRefused) {
  const std::string file = replay::encode(sample());
  for (std::size_t at = 0; at < file.size(); ++at) {
    for (int bit = 0; bit < 8; ++bit) {
      std::string damaged = file;
      damaged[at] = static_cast<char>(damaged[at] ^ (1 << bit));
      EXPECT_FALSE(replay::decode(damaged).ok()) << "byte " << at << " bit " << bit;
    }
  }
}

TEST(ReplayFile, BadFilesGiveOneLineErrors) {
  using replay_test::body_with_inputs;
  using replay_test::file_around;
  std::string huge_count;
  replay_test::put_number(huge_count, 1ull << 60);
  huge_count += "\x03\x03";
  std::string backwards;  // ticks beyond the longest run
  replay_test::put_number(backwards, 1);
  replay_test::put_number(backwards, (static_cast<std::uint64_t>(replay::kMaxTicks) + 1) << 3 | 3);
  std::string bad_key;
  replay_test::put_number(bad_key, 1);
  bad_key += "\x04x";
  std::string nan_aim;
  replay_test::put_number(nan_aim, 1);
  nan_aim += '\x02';
  nan_aim += std::string("\0\0\0\0\0\0\xf8\x7f", 8) + std::string(8, '\0');
  std::string empty_course = body_with_inputs(std::string(1, '\0'));
  empty_course.replace(empty_course.find("1\n0 5\n") - 1, 7, std::string(1, '\0'));
  // A body of 64 MiB claimed by a file of a few dozen bytes: refused before
  // any of it is allocated.
  std::string long_claim = file_around(body_with_inputs(std::string(1, '\0')));
  long_claim[9] = '\xff';
  long_claim[10] = '\xff';
  long_claim[11] = '\xff';
  long_claim[12] = '\x03';

  const struct {
    const char* what;
    std::string file;
    const char* says;
  } cases[] = {
      {"garbage", "hello, world, this is no replay", "not a replay file"},
      {"empty", "", "not a replay file"},
      {"wrong version", file_around(body_with_inputs(std::string(1, '\0')), 2), "version 2"},
      {"huge input count", file_around(body_with_inputs(huge_count)), "input count"},
      {"tick beyond the longest run", file_around(body_with_inputs(backwards)), "beyond"},
      {"a key not acted on", file_around(body_with_inputs(bad_key)), "key"},
      {"a NaN aim", file_around(body_with_inputs(nan_aim)), "finite"},
      {"an empty course", file_around(empty_course), "course is empty"},
      {"a missing field", file_around(std::string("\x01\x01x")), "missing"},
      {"an unknown field", file_around(body_with_inputs(std::string(1, '\0')) + std::string("\x09\x00", 2)), "does not know"},
      {"a huge body claimed", long_claim, "damaged"},
  };
  // The hand-made body itself is good: only each change breaks it.
  ASSERT_TRUE(replay::decode(file_around(body_with_inputs(std::string(1, '\0')))).ok());
  for (const auto& c : cases) {
    const replay::Decoded d = replay::decode(c.file);
    EXPECT_FALSE(d.ok()) << c.what;
    EXPECT_NE(d.error.find(c.says), std::string::npos) << c.what << ": " << d.error;
    EXPECT_EQ(d.error.find('\n'), std::string::npos) << c.what;
  }
}

TEST(ReplayFile, WritesOnlyReplaysThatCanBeRead) {
  const struct {
    const char* what;
    void (*spoil)(replay::Replay&);
  } cases[] = {
      {"no course", [](replay::Replay& r) { r.course_text.clear(); }},
      {"a path for a name", [](replay::Replay& r) { r.course_name = "../basic.txt"; }},
      {"no name", [](replay::Replay& r) { r.course_name.clear(); }},
      {"inputs out of order", [](replay::Replay& r) { r.inputs = {aim(5, 1, 1), aim(4, 1, 1)}; }},
      {"an infinite aim", [](replay::Replay& r) { r.inputs = {aim(5, HUGE_VAL, 1)}; }},
      {"no ticks", [](replay::Replay& r) { r.result.ticks = 0; }},
      {"a level past Extreme", [](replay::Replay& r) { r.level = 4; }},
  };
  EXPECT_EQ(replay::problem(sample()), "");
  for (const auto& c : cases) {
    replay::Replay r = sample();
    c.spoil(r);
    EXPECT_NE(replay::problem(r), "") << c.what;
  }
}

TEST(ReplayFile, FixedPointFractionsAreStoredSmall) {
  // Whole pixels, 1/256 pixels and arbitrary doubles: the first two take a
  // few bytes an input before packing, the last 16.
  replay::Replay whole = sample(), fixed = sample(), arbitrary = sample();
  whole.inputs.clear();
  fixed.inputs.clear();
  arbitrary.inputs.clear();
  for (int i = 0; i < 3000; ++i) {
    const double k = (i * 7919) % 61 - 30;
    whole.inputs.push_back(aim(i, k, -k));
    fixed.inputs.push_back(aim(i, k / 256.0, -k / 256.0));
    arbitrary.inputs.push_back(aim(i, k / 3.0, -k / 7.0));
  }
  const std::size_t base = replay::encode(sample()).size();
  EXPECT_LT(replay::encode(whole).size() - base, 3000u);
  EXPECT_LT(replay::encode(fixed).size() - base, 4000u);
  EXPECT_TRUE(replay::decode(replay::encode(fixed)).replay == fixed);
  EXPECT_TRUE(replay::decode(replay::encode(arbitrary)).replay == arbitrary);
}

TEST(ReplayFile, QuietStretchesCostNothing) {
  // A long run with few inputs is no larger than a short one with as many.
  replay::Replay short_run = sample();
  replay::Replay long_run = sample();
  for (std::size_t i = 0; i < long_run.inputs.size(); ++i) long_run.inputs[i].tick *= 1000;
  long_run.result.ticks = 200000;
  EXPECT_LE(replay::encode(long_run).size(), replay::encode(short_run).size() + 8);
}

}  // namespace
