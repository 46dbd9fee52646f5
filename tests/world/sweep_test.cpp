#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "platform/encoding.h"
#include "tests/support/recorders.h"
#include "tests/world/world_fixtures.h"
#include "world/sweep.h"

namespace {

// A bullet (radius 0.3·√3) stepping from `from` to `to`.
std::unique_ptr<tama> stepped_bullet(const VECTORD& from, const VECTORD& to) {
  auto b = bullet(to, {0, 0, 0});
  b->prevpos = from;
  return b;
}

struct SweepCase {
  const char* name;
  VECTORD from, to;
  VECTORD target;
  double target_size;  // the person's radius is size·√3
  bool hit;
};

TEST(Stumb, ReportsAHitExactlyWhenASampleIsInside) {
  const double r1 = 1.0 / std::sqrt(3.0);  // a person of radius 1.0
  const double r_small = 0.1 / std::sqrt(3.0);
  const SweepCase cases[] = {
      {"through the centre", {0, 0, 10}, {0, 0, -40}, {0, 0, 0}, r1, true},
      {"grazing inside (1.25 < 1.2598)", {0, 0, 10}, {0, 0, -40}, {1.25, 0, 0}, r1, true},
      {"passing outside (1.3)", {0, 0, 10}, {0, 0, -40}, {1.3, 0, 0}, r1, false},
      {"target behind the start", {0, 0, 10}, {0, 0, -40}, {0, 0, 12}, r1, false},
      {"target beyond the end", {0, 0, 10}, {0, 0, -40}, {0, 0, -42}, r1, false},
      {"only the start inside: prevpos is not a sample",
       {0, 0, 10}, {0, 0, -40}, {0, 0, 10.33}, r_small, false},
      {"the end point is the last sample", {0, 0, 10}, {0, 0, -40}, {0, 0, -40.33}, r_small, true},
      {"no step, inside", {5, 5, 5}, {5, 5, 5}, {5, 6, 5}, r1, true},
      {"no step, outside", {5, 5, 5}, {5, 5, 5}, {5, 7, 5}, r1, false},
  };
  for (const SweepCase& c : cases) {
    auto b = stepped_bullet(c.from, c.to);
    auto person = standing_person(c.target, 100.0, c.target_size);
    EffectRecorder effects;
    testing::internal::CaptureStdout();
    EXPECT_EQ(b->stumb(person.get()), c.hit) << c.name;
    testing::internal::GetCapturedStdout();
  }
}

TEST(Stumb, ZeroRadiiNeverHit) {
  auto b = stepped_bullet({0, 0, 1}, {0, 0, -1});
  b->radius = 0.0;
  auto person = standing_person({0, 0, 0}, 100.0, 0.0);
  EXPECT_FALSE(b->stumb(person.get()));
}

TEST(Stumb, OneHitIsOneLineOneSoundAndOneCount) {
  auto b = stepped_bullet({0, 0, 10}, {0, 0, -40});
  auto person = standing_person({0, 0, 0}, 100.0, 1.0);  // dozens of samples inside
  const VECTORD before = person->pos;
  const int count_before = shothitg;
  EffectRecorder effects;
  testing::internal::CaptureStdout();
  EXPECT_TRUE(b->stumb(person.get()));
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out, platform::to_console("ヒット") + "\n");
  EXPECT_EQ(effects.played, std::vector<std::string>{"ata.wav"});
  EXPECT_EQ(shothitg, count_before + 1);
  EXPECT_EQ(person->life, 100.0);
  EXPECT_EQ(person->pos.x, before.x);
  EXPECT_EQ(b->life, 1.0);

  testing::internal::CaptureStdout();
  auto far = standing_person({30, 0, 0});
  EXPECT_FALSE(b->stumb(far.get()));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(effects.played.size(), 1u);
  EXPECT_EQ(shothitg, count_before + 1);
}

// The smallest distance of any sample, accumulated as the literal loop does.
double nearest_sample(const VECTORD& from, const VECTORD& to, const VECTORD& target) {
  VECTORD thousand;
  thousand = 1000.0;
  const VECTORD s = (to - from) / thousand;
  VECTORD p = from + s;
  double nearest = std::numeric_limits<double>::infinity();
  for (int k = 0; k < 1000; ++k) {
    const double d = std::sqrt((p.x - target.x) * (p.x - target.x) +
                               (p.y - target.y) * (p.y - target.y) +
                               (p.z - target.z) * (p.z - target.z));
    nearest = std::min(nearest, d);
    p += s;
  }
  return nearest;
}

class SweepAgreement : public testing::Test {
 protected:
  std::mt19937_64 rng{20240611};

  double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }
  VECTORD point(double extent) {
    return VECTORD{uniform(-extent, extent), uniform(-extent, extent), uniform(-extent, extent)};
  }
  void expect_agreement(const VECTORD& from, const VECTORD& to, const VECTORD& target,
                        double reach) {
    const bool literal = sweep_reaches_literal(from, to, target, reach);
    if (sweep_reaches(from, to, target, reach) != literal) {
      ++disagreements;
      ADD_FAILURE() << "from (" << from.x << ", " << from.y << ", " << from.z << ") to ("
                    << to.x << ", " << to.y << ", " << to.z << ") target (" << target.x << ", "
                    << target.y << ", " << target.z << ") reach " << reach << ": literal "
                    << literal;
    }
    hits += literal;
    ++cases;
  }
  int disagreements = 0;
  long hits = 0;
  long cases = 0;
};

TEST_F(SweepAgreement, FastTestMatchesTheLiteralLoopOnRandomCases) {
  // Play-like scenes: 50-unit bullet steps near persons of radius up to 3,
  // at several scales.
  for (const double scale : {1.0, 100.0, 1e-3, 1e5}) {
    for (int i = 0; i < 150000 && disagreements < 10; ++i) {
      const VECTORD from = point(100.0 * scale);
      const VECTORD to = from + point(30.0 * scale);
      const VECTORD target = from + point(20.0 * scale);
      expect_agreement(from, to, target, uniform(0.0, 8.0 * scale));
    }
  }
  EXPECT_EQ(cases, 600000);
  EXPECT_GT(hits, 1000);  // both outcomes are well represented
  EXPECT_LT(hits, cases - 1000);
}

TEST_F(SweepAgreement, FastTestMatchesTheLiteralLoopOnGrazingCases) {
  // The reach set at, and a hair either side of, the nearest sample's
  // distance: from one ulp out to well past the fast test's margin.
  const double offsets[] = {0.0, 1e-16, -1e-16, 1e-13, -1e-13, 1e-10, -1e-10, 1e-9, -1e-9,
                            2e-9, -2e-9, 1e-7, -1e-7};
  for (int i = 0; i < 32000 && disagreements < 10; ++i) {
    const double scale = i % 4 == 0 ? 1e4 : 1.0;
    const VECTORD from = point(100.0 * scale);
    const VECTORD to = i % 50 == 0 ? from : from + point(30.0 * scale);
    const VECTORD target = from + point(30.0 * scale);
    const double nearest = nearest_sample(from, to, target);
    expect_agreement(from, to, target, std::nextafter(nearest, 0.0));
    expect_agreement(from, to, target, std::nextafter(nearest, INFINITY));
    for (const double offset : offsets) {
      expect_agreement(from, to, target, nearest * (1.0 + offset));
    }
  }
  EXPECT_GE(cases, 32000 * 15);
}

TEST_F(SweepAgreement, FastTestMatchesTheLiteralLoopAcrossTheWholeRange) {
  // Coordinates and reach each at their own power of ten, from subnormal up
  // to where squares overflow, so that squares underflow to nothing or
  // overflow to infinity on either side of the bound. The reach is set by
  // the nearest sample, as the literal loop computes it, so that both
  // outcomes turn up at every scale.
  const auto power = [&](int lo, int hi) {
    return std::pow(10.0, std::uniform_int_distribution<int>(lo, hi)(rng));
  };
  const double factors[] = {0.0, 0.1, 1.0, 1.0 - 1e-9, 1.0 + 1e-9, 10.0};
  long extreme_hits = 0;
  for (int i = 0; i < 40000 && disagreements < 10; ++i) {
    const double scale = power(-323, 308);
    const VECTORD from = point(scale);
    const VECTORD to = i % 40 == 0 ? from : from + point(scale * power(-3, 1));
    const VECTORD target = from + point(scale * power(-3, 1));
    const double nearest = nearest_sample(from, to, target);
    const long hits_before = hits;
    expect_agreement(from, to, target, std::nextafter(nearest, INFINITY));
    expect_agreement(from, to, target, std::nextafter(nearest, 0.0));
    for (const double factor : factors) {
      expect_agreement(from, to, target, nearest * factor + scale * power(-12, 0) * (i % 3));
    }
    if (scale < 1e-150 || scale > 1e150) extreme_hits += hits - hits_before;
  }
  EXPECT_GE(cases, 40000 * 8);
  EXPECT_GT(extreme_hits, 1000);  // the extremes do reach targets
}

TEST_F(SweepAgreement, SquaresThatUnderflowOrOverflowAgree) {
  const struct {
    const char* name;
    VECTORD from, to, target;
    double reach;
  } cases_[] = {
      // Every square underflows to 0, so the literal loop finds distance 0.
      {"squares underflow", {1e-170, 0, 0}, {1e-170, 0, 0}, {0, 0, 0}, 1e-171},
      // The step's own square overflows; the samples do not.
      {"step length overflows", {1.5e154, 0, 0}, {-1.5e154, 0, 0}, {1e154, 0, 0}, 1e152},
  };
  for (const auto& c : cases_) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(sweep_reaches_literal(c.from, c.to, c.target, c.reach));
    expect_agreement(c.from, c.to, c.target, c.reach);
  }
}

TEST_F(SweepAgreement, DegenerateInputsAgree) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const VECTORD o{0, 0, 0};
  const struct {
    VECTORD from, to, target;
    double reach;
  } cases_[] = {
      {o, {0, 0, -50}, {0, 0, -25}, 0.0},
      {o, {0, 0, -50}, {0, 0, -25}, -1.0},
      {o, {0, 0, -50}, {0, 0, -25}, nan},
      {o, {0, 0, -50}, {0, 0, -25}, inf},
      {o, {0, 0, -50}, {1e300, 0, 0}, inf},
      {o, {0, 0, nan}, {0, 0, -25}, 1.0},
      {o, {0, 0, inf}, {0, 0, 25}, 1.0},
      {{1e300, 0, 0}, {-1e300, 0, 0}, {0, 0, 0}, 1e290},
      {{1e-310, 0, 0}, {-1e-310, 0, 0}, {0, 1e-311, 0}, 2e-311},
      {{1e-310, 0, 0}, {-1e-310, 0, 0}, {0, 1e-311, 0}, 1e-311},
  };
  for (const auto& c : cases_) expect_agreement(c.from, c.to, c.target, c.reach);
}

}  // namespace
