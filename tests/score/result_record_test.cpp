#include "score/result_record.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/score/temp_dir.h"

namespace {

TEST(ResultRecord, PointsFromStageAndHitRate) {
  const struct {
    int stage;
    int hitrate;
    int point;
  } cases[] = {
      {0, 0, 0},
      {5, 66, 1160},
      {16, 100, 2600},
      {3, 250, 2800},  // one bullet through several figures
      {INT_MAX, INT_MAX, INT_MAX},
      {INT_MIN, 0, INT_MIN},
  };
  for (const auto& c : cases) {
    const clData record = result_record(c.stage, c.hitrate, "\x98\x5f\x8a\x4f");
    EXPECT_EQ(record, (clData{c.point, c.stage, c.hitrate, "\x98\x5f\x8a\x4f"}))
        << c.stage << ", " << c.hitrate;
  }
}

}  // namespace
