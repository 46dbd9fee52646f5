#include "score/score.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "score/ranking_file.h"
#include "tests/score/temp_dir.h"

namespace {

// A table of n records with points n×100 down to 100, titles "r1", "r2", ...
std::vector<clData> descending(int n) {
  std::vector<clData> table;
  for (int i = 1; i <= n; ++i) table.push_back({(n - i + 1) * 100, i, i, "r" + std::to_string(i)});
  return table;
}

std::vector<std::string> titles(const std::vector<clData>& table) {
  std::vector<std::string> out;
  for (const clData& r : table) out.push_back(r.title);
  return out;
}

std::vector<std::string> names_in(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

class ScoreFile : public ::testing::Test {
 protected:
  TempDir dir;
  const std::string path = dir.file("ranking.dat");

  // The file as the game reads it now.
  std::vector<clData> on_disk() const {
    Score reloaded(path);
    return reloaded.records;
  }
};

TEST_F(ScoreFile, LoadsLinesFromTheFile) {
  write_file(path, "300\t\t3\t60\tA\n200\t\t2\t50\tB\n100\t\t1\t40\tC");
  Console_Score score(path);
  EXPECT_EQ(score.filename, path);
  EXPECT_EQ(titles(score.records), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(ScoreFile, UnreadableFilesGiveNoRecords) {
  write_file(path, "");
  std::filesystem::create_directory(dir.file("folder"));
  for (const std::string& name : {path, dir.file("missing.dat"), dir.file("folder")}) {
    Score score(name);
    EXPECT_EQ(score.filename, name);
    EXPECT_TRUE(score.records.empty()) << name;
  }
}

TEST_F(ScoreFile, OpeningAppendsAfterRecordsAlreadyHeld) {
  write_file(path, "50\t\t1\t5\tfile\n");
  Score score;
  score.records = {{900, 9, 90, "held"}};
  EXPECT_EQ(score.file_open(path), 0);
  EXPECT_EQ(titles(score.records), (std::vector<std::string>{"held", "file"}));
}

TEST_F(ScoreFile, EntersResultsAtTheirRank) {
  const std::vector<clData> base = {
      {500, 5, 50, "a"}, {300, 3, 30, "b"}, {300, 3, 30, "c"}, {100, 1, 10, "d"}};
  const struct {
    const char* name;
    int point;
    int rank;
    std::vector<std::string> order;
  } cases[] = {
      {"top", 600, 1, {"new", "a", "b", "c", "d"}},
      {"middle", 400, 2, {"a", "new", "b", "c", "d"}},
      {"equal points go after", 300, 4, {"a", "b", "c", "new", "d"}},
      {"equal to the last", 100, 5, {"a", "b", "c", "d", "new"}},
      {"end", 50, 5, {"a", "b", "c", "d", "new"}},
  };
  for (const auto& c : cases) {
    write_file(path, format_records(base));
    Score score(path);
    EXPECT_EQ(score.inputdata({c.point, 7, 70, "new"}), c.rank) << c.name;
    EXPECT_EQ(titles(score.records), c.order) << c.name;
    EXPECT_EQ(on_disk(), score.records) << c.name;
  }
}

TEST_F(ScoreFile, AFullTableDropsOnlyItsLastRecord) {
  const std::vector<clData> full = descending(20);
  // Spaces instead of TABs: a rewrite shows in the bytes.
  std::string spaced = format_records(full);
  for (char& ch : spaced) {
    if (ch == '\t') ch = ' ';
  }

  write_file(path, spaced);
  Score below(path);
  EXPECT_EQ(below.inputdata({50, 0, 5, "low"}), 21);
  EXPECT_EQ(below.records, full);
  EXPECT_EQ(read_file(path), format_records(full));

  write_file(path, spaced);
  Score above(path);
  EXPECT_EQ(above.inputdata({5000, 9, 99, "high"}), 1);
  ASSERT_EQ(above.records.size(), 20u);
  EXPECT_EQ(above.records.front().title, "high");
  EXPECT_EQ(above.records.back().title, "r19");
  EXPECT_EQ(on_disk(), above.records);
}

TEST_F(ScoreFile, ALongerTableKeepsItsLength) {
  const std::vector<clData> long_table = descending(25);
  write_file(path, format_records(long_table));
  Score score(path);
  ASSERT_EQ(score.records, long_table);

  EXPECT_EQ(score.inputdata({1250, 0, 0, "mid"}), 14);
  std::vector<clData> expected = long_table;
  expected.insert(expected.begin() + 13, clData{1250, 0, 0, "mid"});
  expected.pop_back();
  EXPECT_EQ(score.records, expected);
  EXPECT_EQ(on_disk(), expected);
}

TEST_F(ScoreFile, EveryRecordOfAHugeFileOutlivesASave) {
  std::vector<clData> huge = descending(120000);
  write_file(path, format_records(huge));
  Score score(path);
  ASSERT_EQ(score.records.size(), huge.size());

  // Below every record: it falls off the end, and the file is rewritten.
  EXPECT_EQ(score.inputdata({0, 0, 0, "last"}), 120001);
  EXPECT_EQ(on_disk(), huge);

  // Above them all: only the one last record goes, as with any long table.
  EXPECT_EQ(score.inputdata({99999999, 0, 0, "best"}), 1);
  huge.insert(huge.begin(), clData{99999999, 0, 0, "best"});
  huge.pop_back();
  EXPECT_EQ(on_disk(), huge);
}

TEST_F(ScoreFile, ATitleOfAnyLengthIsSavedSoThatItLoads) {
  Score score(path);
  score.inputdata({500, 4, 50, std::string(100, 'a') + std::string(200, 'b')});
  score.inputdata({400, 3, 40, "next"});
  const std::vector<clData> expected = {
      {500, 4, 50, std::string(100, 'a') + std::string(155, 'b')}, {400, 3, 40, "next"}};
  EXPECT_EQ(on_disk(), expected);
}

// Lets file writes beyond a few bytes fail with EFBIG, as on a full disk;
// works for root too, unlike permissions.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_handler_)(int) = nullptr;
};

TEST_F(ScoreFile, AFailedWriteKeepsTheOldFileAndTheResultInMemory) {
  const std::string old_text = format_records(descending(3));
  write_file(path, old_text);
  Score score(path);
  {
    FileSizeLimit full_disk(8);
    EXPECT_FALSE(score.save());
    EXPECT_EQ(score.inputdata({250, 2, 25, "new"}), 2);
  }
  EXPECT_EQ(read_file(path), old_text);
  EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"ranking.dat"}) << "temporary file left";
  EXPECT_EQ(titles(score.records), (std::vector<std::string>{"r1", "new", "r2", "r3"}));

  // Once the disk has room again the next result saves the whole table.
  EXPECT_EQ(score.inputdata({50, 0, 5, "later"}), 5);
  EXPECT_EQ(on_disk(), score.records);
}

TEST_F(ScoreFile, AFolderThatIsAFileFailsWithoutLosingTheResult) {
  const std::string blocked = dir.file("not-a-folder");
  write_file(blocked, "x");
  Score score(blocked + "/ranking.dat");
  EXPECT_EQ(score.inputdata({10, 1, 1, "kept"}), 1);
  EXPECT_FALSE(score.save());
  EXPECT_EQ(titles(score.records), std::vector<std::string>{"kept"});
  EXPECT_EQ(read_file(blocked), "x");
}

TEST(Score, WithoutAFileNameNothingIsWritten) {
  Score score;
  EXPECT_EQ(score.inputdata({10, 1, 1, "only"}), 1);
  EXPECT_FALSE(score.save());
  EXPECT_EQ(score.records.size(), 1u);
}

}  // namespace
