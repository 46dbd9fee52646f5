#include <gtest/gtest.h>

#include <climits>

#include "world/saturating.h"

namespace {

TEST(SaturatingAdd, StopsAtTheEndsOfTheRange) {
  const struct {
    int count, change, sum;
  } cases[] = {
      {5, 7, 12},
      {5, -7, -2},
      {2000000000, 2000000000, INT_MAX},
      {INT_MAX, 1, INT_MAX},
      {INT_MAX - 1, 1, INT_MAX},
      {-2000000000, -2000000000, INT_MIN},
      {INT_MIN, -1, INT_MIN},
      {INT_MIN + 1, -1, INT_MIN},
      {INT_MIN, INT_MAX, -1},
      {INT_MAX, INT_MIN, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(saturating_add(c.count, c.change), c.sum) << c.count << " + " << c.change;
  }
}

}  // namespace
