#include <gtest/gtest.h>

#include <cmath>

#include "world/angle.h"
#include "world/vectord.h"

namespace {

void expect_vec(const VECTORD& v, double x, double y, double z) {
  EXPECT_DOUBLE_EQ(v.x, x);
  EXPECT_DOUBLE_EQ(v.y, y);
  EXPECT_DOUBLE_EQ(v.z, z);
}

TEST(Vectord, ScalarAssignmentBroadcasts) {
  VECTORD v{1.0, 2.0, 3.0};
  v = 5.0;
  expect_vec(v, 5.0, 5.0, 5.0);
}

TEST(Vectord, InPlaceOperatorsWorkComponentWise) {
  const VECTORD a{1.0, 2.0, 3.0};
  VECTORD v = a;
  expect_vec(v += VECTORD{1.0, -2.0, 0.5}, 2.0, 0.0, 3.5);
  v = a;
  expect_vec(v -= VECTORD{1.0, -2.0, 0.5}, 0.0, 4.0, 2.5);
  v = a;
  expect_vec(v *= VECTORD{2.0, 0.5, -1.0}, 2.0, 1.0, -3.0);
  v = a;
  expect_vec(v /= VECTORD{1000.0, 1000.0, 1000.0}, 0.001, 0.002, 0.003);
}

TEST(Vectord, InPlaceOperatorsReturnTheVectorItself) {
  VECTORD v{1.0, 1.0, 1.0};
  (v += VECTORD{1.0, 1.0, 1.0}) *= VECTORD{3.0, 3.0, 3.0};
  expect_vec(v, 6.0, 6.0, 6.0);
}

TEST(Vectord, FreeOperatorsLeaveOperandsUnchanged) {
  const VECTORD lhs{1.0, 2.0, 3.0};
  const VECTORD rhs{4.0, -5.0, 0.5};
  expect_vec(lhs + rhs, 5.0, -3.0, 3.5);
  expect_vec(lhs - rhs, -3.0, 7.0, 2.5);
  expect_vec(lhs * rhs, 4.0, -10.0, 1.5);
  expect_vec(lhs / rhs, 0.25, -0.4, 6.0);
  expect_vec(lhs, 1.0, 2.0, 3.0);
  expect_vec(rhs, 4.0, -5.0, 0.5);
}

TEST(Vectord, DivisionByZeroGivesInfinityOrNaN) {
  const VECTORD v = VECTORD{1.0, -1.0, 0.0} / VECTORD{0.0, 0.0, 0.0};
  EXPECT_EQ(v.x, INFINITY);
  EXPECT_EQ(v.y, -INFINITY);
  EXPECT_TRUE(std::isnan(v.z));
}

TEST(Rad, UsesTheEightDecimalPi) {
  EXPECT_DOUBLE_EQ(rad(180.0), 3.14159265);
  EXPECT_DOUBLE_EQ(rad(90.0), 1.570796325);
  EXPECT_NEAR(M_PI - rad(180.0), 3.5897932e-9, 1e-15);
  EXPECT_EQ(rad(0.0), 0.0);
  EXPECT_DOUBLE_EQ(rad(-45.0), -3.14159265 / 4.0);
}

TEST(Rad, MultipliesByPiFirstThenDividesBy180) {
  // Angles whose result changes, in the last bit, with the grouping: each
  // launch and each shot depends on that bit.
  for (const double angle : {1.3, 2.7, 5.7, -1.3, -2.7}) {
    SCOPED_TRACE(angle);
    const double literal = angle * 3.14159265 / 180.0;
    ASSERT_NE(literal, angle * (3.14159265 / 180.0));
    ASSERT_NE(literal, angle / 180.0 * 3.14159265);
    EXPECT_EQ(rad(angle), literal);
  }
}

}  // namespace
