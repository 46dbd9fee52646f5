#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "score/score.h"
#include "tests/score/temp_dir.h"

namespace {

std::string listing_of(const std::vector<clData>& records) {
  Console_Score score;
  score.records = records;
  testing::internal::CaptureStdout();
  score.outputdata();
  return testing::internal::GetCapturedStdout();
}

TEST(ConsoleScore, ListsEachRecordInItsExactForm) {
  // "夜店の射撃名人" in Shift-JIS, as the file holds it.
  const std::string title = "\x96\xe9\x93\x58\x82\xcc\x8e\xcb\x8c\x82\x96\xbc\x90\x6c";
  EXPECT_EQ(listing_of({{1160, 5, 66, title}, {-10, 0, 0, "abc"}}),
            "1位　1160点　ステージ5クリア　命中率66％　称号夜店の射撃名人\n"
            "2位　-10点　ステージ0クリア　命中率0％　称号abc\n");
}

TEST(ConsoleScore, ListsTheBestTenOnly) {
  std::vector<clData> records;
  for (int i = 0; i < 25; ++i) records.push_back({2500 - i * 100, i, i, "t" + std::to_string(i)});
  std::istringstream lines(listing_of(records));
  std::vector<std::string> got;
  for (std::string line; std::getline(lines, line);) got.push_back(line);
  ASSERT_EQ(got.size(), 10u);
  for (int place = 1; place <= 10; ++place) {
    const std::string start = std::to_string(place) + "位　" + std::to_string(2600 - place * 100) + "点";
    EXPECT_EQ(got[place - 1].rfind(start, 0), 0u) << got[place - 1];
  }
}

TEST(ConsoleScore, AnEmptyTablePrintsNothing) { EXPECT_EQ(listing_of({}), ""); }

}  // namespace
