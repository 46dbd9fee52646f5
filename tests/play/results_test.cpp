#include <gtest/gtest.h>

#include <string>

#include "play/results.h"

namespace {

TEST(HitRate, TruncatesAndSurvivesNoShots) {
  const int cases[][3] = {{1, 3, 33}, {2, 3, 66}, {3, 3, 100}, {0, 5, 0}, {4, 3, 133}, {0, 0, 0},
                          {7, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(hit_rate(c[0], c[1]), c[2]) << c[0] << " hits of " << c[1];
  }
}

TEST(RankTitle, FollowsTheStageOnWhichTheCourseEnded) {
  const std::pair<int, std::string> cases[] = {
      {0, "称号:論外"},           {1, "称号:論外"},          {2, "称号:へたれ"},
      {3, "称号:素人"},           {4, "称号:一般人"},        {5, "称号:夜店の射撃名人"},
      {6, "称号:警察官"},         {7, "称号:警察官"},        {8, "称号:火縄銃使い"},
      {10, "称号:火縄銃使い"},    {11, "称号:マスケット銃士"}, {12, "称号:１等小銃兵"},
      {13, "称号:１流スナイパー"}, {14, "称号:１流スナイパー"}, {15, "称号:ダブルオーセブン"},
      {16, "称号:ダブルオーセブン"}, {17, "称号:ごるご１３"},   {400, "称号:ごるご１３"}};
  for (const auto& [stage, shown] : cases) EXPECT_EQ(rank_title(stage).shown, shown) << stage;
}

TEST(RankTitle, TheRankingKeepsTheTitleWithoutItsPrefix) {
  EXPECT_EQ(std::string(rank_title(12).ranked), "1等小銃兵");
  EXPECT_EQ(std::string(rank_title(0).ranked), "論外");
  EXPECT_EQ(std::string(rank_title(20).ranked), "ごるご１３");
}

}  // namespace
