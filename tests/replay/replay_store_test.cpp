// Where replays are kept: their names, what is kept and what is removed,
// and that a folder that cannot be written gives an error, not a crash.
#include "replay/replay_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "replay/replay_file.h"
#include "tests/replay/replay_test_data.h"

namespace {

namespace fs = std::filesystem;

std::tm at(int day, int hour, int minute, int second) {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 11;
  when.tm_mday = day;
  when.tm_hour = hour;
  when.tm_min = minute;
  when.tm_sec = second;
  return when;
}

// A name as file_name writes it for the result.
std::string named(int second, std::int32_t stage, std::int32_t rate, int number = 0) {
  replay::Replay r = replay_test::sample();
  r.result.stage = stage;
  return replay::file_name(r, rate, at(11, 17, 0, second), number);
}

TEST(ReplayStore, NamesCarryTheDateTheCourseAndTheResult) {
  replay::Replay r = replay_test::sample();
  r.course_name = "my course (v2).txt";
  r.result.stage = 5;
  r.result.cleared = false;
  EXPECT_EQ(replay::file_name(r, 85, at(3, 9, 5, 7), 0), "20261203-090507-00_my-course--v2-_s6_85pct_over.qsr");
  r.course_name = "basic.txt";
  r.result.cleared = true;
  EXPECT_EQ(replay::file_name(r, 100, at(31, 23, 59, 59), 12), "20261231-235959-12_basic_s6_100pct_clear.qsr");
}

TEST(ReplayStore, NamesParseBackAndOthersDoNot) {
  for (const auto& [stage, rate] : {std::pair{0, 0}, {5, 85}, {17, 250}}) {
    replay::Named parsed;
    ASSERT_TRUE(replay::parse_name(named(1, stage, rate), parsed));
    EXPECT_EQ(parsed.stage, stage);
    EXPECT_EQ(parsed.hit_rate, rate);
  }
  for (const char* other : {"notes.txt", "20261211-170001-00_basic_s6_85pct_clear.qsr.tmp",
                            "20261211-170001_basic_s6_85pct_clear.qsr", "20261211-170001-00_basic_s0_85pct_clear.qsr",
                            "20261211-170001-00_basic_s6_85_clear.qsr", "20261211-170001-00_basic_s6_85pct_won.qsr",
                            "2026121x-170001-00_basic_s6_85pct_clear.qsr", ".qsr", ""}) {
    replay::Named parsed;
    EXPECT_FALSE(replay::parse_name(other, parsed)) << other;
  }
}

TEST(ReplayStore, KeepsTheRankedAndTheNewestOthers) {
  // Thirty replays, one a second; the ranking holds two results, one of
  // which was played twice.
  std::vector<std::string> names;
  for (int s = 0; s < 30; ++s) names.push_back(named(s, s % 3, 10 * s));
  names.push_back(named(40, 2, 50));  // the same result as second 5, later
  names.push_back("readme.txt");
  const std::vector<replay::Ranked> ranking = {{1, 40}, {2, 50}, {0, 999}};
  std::vector<std::string> removed = replay::to_remove(names, ranking, 20);
  std::sort(removed.begin(), removed.end());
  // Kept for the ranking: second 4, and second 5 rather than its later
  // twin; of the 29 others the newest 20 stay.
  std::vector<std::string> expected;
  for (int s = 0; s < 30; ++s) {
    if (s == 4 || s == 5) continue;
    expected.push_back(named(s, s % 3, 10 * s));
  }
  expected.push_back(named(40, 2, 50));
  std::sort(expected.begin(), expected.end());
  expected.resize(expected.size() - 20);  // the 20 newest others stay
  EXPECT_EQ(removed, expected);
  EXPECT_EQ(std::count(removed.begin(), removed.end(), "readme.txt"), 0);
}

TEST(ReplayStore, NothingGrowsWithoutBound) {
  std::vector<std::string> names;
  for (int s = 0; s < 59; ++s) names.push_back(named(s, 0, s));
  EXPECT_EQ(replay::to_remove(names, {}, 20).size(), 39u);
  EXPECT_EQ(replay::to_remove(names, {{0, 3}, {0, 58}}, 20).size(), 37u);  // 58 is among the newest
}

class ReplayFolder : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("replay_store_" + std::to_string(::getpid()) + "_" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir_, ec)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(ReplayFolder, SavesAtomicallyUnderNewNamesAndReadsBack) {
  const std::string folder = (dir_ / "replays").string();
  const replay::Replay r = replay_test::sample();
  const replay::Saved first = replay::save(folder, r, 50, at(11, 17, 0, 0));
  const replay::Saved second = replay::save(folder, r, 50, at(11, 17, 0, 0));
  ASSERT_EQ(first.error, "");
  ASSERT_EQ(second.error, "");
  EXPECT_NE(first.path, second.path);
  const replay::Decoded back = replay::read_replay_file(second.path);
  ASSERT_TRUE(back.ok()) << back.error;
  EXPECT_TRUE(back.replay == r);
  // A second save of the same run replaces its file.
  replay::Replay longer = r;
  longer.inputs.push_back(replay_test::key(200, 'N'));
  ASSERT_EQ(replay::save(folder, longer, 50, at(11, 17, 0, 9), first.path).path, first.path);
  EXPECT_TRUE(replay::read_replay_file(first.path).replay == longer);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST_F(ReplayFolder, AFolderThatCannotBeWrittenGivesAnError) {
  // A plain file where the folder should be.
  std::ofstream((dir_ / "blocked").string()) << "x";
  const replay::Saved blocked = replay::save((dir_ / "blocked").string(), replay_test::sample(), 50, at(11, 17, 0, 0));
  EXPECT_NE(blocked.error, "");
  EXPECT_EQ(blocked.error.find('\n'), std::string::npos);
  if (::geteuid() == 0) return;  // root writes into read-only folders
  const std::string folder = (dir_ / "replays").string();
  fs::create_directories(folder);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_NE(replay::save(folder, replay_test::sample(), 50, at(11, 17, 0, 0)).error, "");
}

TEST_F(ReplayFolder, PruneRemovesOnlyReplays) {
  const std::string folder = dir_.string();
  for (int s = 0; s < 25; ++s) std::ofstream(folder + "/" + named(s, 0, s)) << "x";
  std::ofstream(folder + "/notes.txt") << "mine";
  replay::prune(folder, {{0, 0}});
  int replays = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    replay::Named n;
    replays += replay::parse_name(entry.path().filename().string(), n);
  }
  EXPECT_EQ(replays, 21);
  EXPECT_TRUE(fs::exists(folder + "/notes.txt"));
  EXPECT_TRUE(fs::exists(folder + "/" + named(0, 0, 0)));   // ranked
  EXPECT_FALSE(fs::exists(folder + "/" + named(1, 0, 1)));  // oldest other
}

}  // namespace
