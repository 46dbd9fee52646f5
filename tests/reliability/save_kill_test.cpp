// Saves survive a kill. A child process rewrites a save file over and over,
// alternating two versions, and is killed with SIGKILL at a random moment;
// afterwards the file must hold one complete version, never nothing, never
// a mixture or a cut-off write. Hundreds of kills per writer.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/atomic_file.h"
#include "score/ranking_file.h"
#include "score/score.h"
#include "states/progress.h"

namespace fs = std::filesystem;

namespace {

constexpr int kKills = 150;
// Long enough for the child to finish several writes, so that kills land
// before, between and inside them.
constexpr int kMaxDelayMicros = 4000;

std::string read_whole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A writer under test: writes version 0 or 1 of the file at path.
using WriteVersion = std::function<void(const std::string& path, int version)>;

struct KillOutcome {
  std::vector<std::string> bad;  // what the file held when it held no version
  int cut_writes = 0;            // kills that left a write's temporary file behind
};

// Forks a child that writes version 1, 0, 1, ... for ever, kills it after a
// random delay, and inspects the file; kKills times.
KillOutcome kill_while_writing(const fs::path& dir, const WriteVersion& write,
                               const std::string (&versions)[2]) {
  const fs::path file = dir / "save.dat";
  write(file.string(), 0);
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> delay(0, kMaxDelayMicros);
  KillOutcome outcome;
  for (int kill_no = 0; kill_no < kKills; ++kill_no) {
    const pid_t child = ::fork();
    if (child == 0) {
      for (int version = 1;; version ^= 1) write(file.string(), version);
    }
    if (child < 0) {
      outcome.bad.push_back("<fork failed>");
      break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    const std::string now = read_whole(file);
    if (now != versions[0] && now != versions[1]) outcome.bad.push_back(now.substr(0, 40));
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (entry.path() != file) {
        ++outcome.cut_writes;
        fs::remove(entry.path());
      }
    }
  }
  return outcome;
}

class SaveKillTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("save_kill_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Checks that each version is what the writer writes, then kills.
  void check(const WriteVersion& write, const std::string (&versions)[2]) {
    const std::string probe = (dir_ / "probe.dat").string();
    for (int v : {0, 1}) {
      write(probe, v);
      ASSERT_EQ(read_whole(probe), versions[v]) << "version " << v << " is not what is written";
    }
    fs::remove(probe);

    const KillOutcome outcome = kill_while_writing(dir_, write, versions);
    EXPECT_TRUE(outcome.bad.empty()) << outcome.bad.size() << " of " << kKills
                                     << " kills left neither version, first: \"" << outcome.bad.front()
                                     << "\"";
    // Without kills inside a write the test would prove nothing.
    EXPECT_GT(outcome.cut_writes, 0) << "no kill landed inside a write";
    RecordProperty("kills_inside_a_write", outcome.cut_writes);
    std::printf("%d kills, %d inside a write (its temporary file left behind)\n", kKills,
                outcome.cut_writes);
  }

  fs::path dir_;
};

// Versions of very different lengths, so a cut-off or mixed write shows.
std::string lines_of(char c, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::string(60, c) + "\n";
  return text;
}

TEST_F(SaveKillTest, AtomicWriteLeavesOldOrNewFile) {
  const std::string versions[2] = {lines_of('a', 4000), lines_of('b', 1000)};
  check([&](const std::string& path, int v) { platform::write_file_atomically(path, versions[v]); },
        versions);
}

TEST_F(SaveKillTest, ProgressFileHoldsOldOrNewValue) {
  const std::int32_t values[2] = {1, 4};
  const std::string versions[2] = {"1", "4"};
  check([&](const std::string& path, int v) { write_progress_file(path.c_str(), values[v]); },
        versions);
}

TEST_F(SaveKillTest, RankingFileHoldsOldOrNewTable) {
  // A full table; each version enters a different result into it.
  std::vector<clData> table;
  for (int i = 0; i < static_cast<int>(kRankingLimit); ++i) {
    table.push_back({1000 - i * 10, i % 6, 50 + i, "title" + std::to_string(i)});
  }
  const clData entered[2] = {{995, 5, 99, "first"}, {555, 2, 31, "second"}};
  std::string versions[2];
  for (int v : {0, 1}) {
    Score in_memory;
    in_memory.records = table;
    in_memory.inputdata(entered[v]);  // no file name: nothing is written
    versions[v] = format_records(in_memory.records);
  }
  check(
      [&](const std::string& path, int v) {
        Score score;
        score.filename = path;
        score.records = table;
        score.inputdata(entered[v]);
      },
      versions);
}

}  // namespace
