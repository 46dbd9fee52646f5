#include "score/ranking_file.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/score/temp_dir.h"

namespace {

std::vector<clData> parse(const std::string& text) {
  std::istringstream in(text);
  return read_records(in);
}

// "論" and "外" in Shift-JIS around a full-width space, which is not whitespace here.
const std::string kWideSpaceTitle = "\x98\x5f\x81\x40\x8a\x4f";

std::string repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

struct LoadCase {
  const char* name;
  std::string text;
  std::vector<clData> expected;
};

TEST(ReadRecords, FollowsFormattedExtraction) {
  const std::string at_bound(kMaxTitleBytes, 't');
  const std::string over_bound(kMaxTitleBytes + 1, 'u');
  const std::vector<LoadCase> cases = {
      {"complete lines",
       "300\t\t3\t60\tA\n200\t\t2\t50\tB\n100\t\t1\t40\tC\n",
       {{300, 3, 60, "A"}, {200, 2, 50, "B"}, {100, 1, 40, "C"}}},
      {"last line without a line break",
       "300\t\t3\t60\tA\n200\t\t2\t50\tB",
       {{300, 3, 60, "A"}, {200, 2, 50, "B"}}},
      {"empty", "", {}},
      {"any whitespace between fields, CRLF and blank lines",
       "\r\n300\t\t3\t60\tA\r\n\r\n 200 2\n50   B\r\n",
       {{300, 3, 60, "A"}, {200, 2, 50, "B"}}},
      {"title cut at a space, the rest is no number",
       "300\t\t3\t60\tA B\n200\t\t2\t50\tC\n",
       {{300, 3, 60, "A"}}},
      {"title cut at a space, the rest is a number and starts a record",
       "300\t\t3\t60\tA 7\n200\t\t2\t50\tC\n",
       {{300, 3, 60, "A"}, {7, 200, 2, "50"}}},
      {"full-width space inside a title", "100\t\t1\t10\t" + kWideSpaceTitle + "\n",
       {{100, 1, 10, kWideSpaceTitle}}},
      {"a non-number ends loading, earlier records stay",
       "300\t\t3\t60\tA\nxyz\t\t2\t50\tB\n100\t\t1\t40\tC\n",
       {{300, 3, 60, "A"}}},
      {"a record cut short at the end", "300\t\t3\t60\tA\n200\t\t2\t50\n",
       {{300, 3, 60, "A"}}},
      {"negative numbers", "-5\t\t-1\t-2\tN\n", {{-5, -1, -2, "N"}}},
      {"a number beyond int32 ends loading",
       "2147483647\t\t0\t0\tMax\n2147483648\t\t0\t0\tOver\n",
       {{2147483647, 0, 0, "Max"}}},
      {"a title at the byte bound loads, one byte more ends loading",
       "1 1 1 " + at_bound + "\n2 2 2 " + over_bound + "\n3 3 3 C\n",
       {{1, 1, 1, at_bound}}},
  };
  for (const LoadCase& c : cases) {
    EXPECT_EQ(parse(c.text), c.expected) << c.name;
  }
}

TEST(ReadRecords, LoadsEveryRecordHoweverMany) {
  std::string text;
  const int count = 150000;
  for (int i = 0; i < count; ++i) text += std::to_string(i) + "\t\t2\t3\tT\n";
  const std::vector<clData> records = parse(text);
  ASSERT_EQ(records.size(), static_cast<std::size_t>(count));
  EXPECT_EQ(records.back().point, count - 1);
}

TEST(ReadRecords, GarbageGivesOnlyRecordsThatWriteBackUnchanged) {
  // Bytes drawn mostly from digits, signs and whitespace get past the first
  // field often enough to exercise every stopping rule.
  const std::string alphabet = "0123456789-+ \t\n\r\x81\x40\x98\x5f" "abc";
  std::mt19937 random(12345);
  std::uniform_int_distribution<std::size_t> length(0, 400);
  std::uniform_int_distribution<int> any_byte(0, 255);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::size_t records_seen = 0;
  for (int round = 0; round < 500; ++round) {
    std::string text(length(random), '\0');
    for (char& c : text) {
      c = (round % 4 == 0) ? static_cast<char>(any_byte(random)) : alphabet[pick(random)];
    }
    const std::vector<clData> records = parse(text);
    records_seen += records.size();
    for (const clData& r : records) {
      ASSERT_FALSE(r.title.empty());
      ASSERT_LE(r.title.size(), kMaxTitleBytes);
      ASSERT_EQ(file_title(r.title), r.title) << "a title read back holds whitespace";
    }
    ASSERT_EQ(parse(format_records(records)), records) << "round " << round;
  }
  EXPECT_GT(records_seen, 0u);
}

TEST(FormatRecords, WritesOneLinePerRecord) {
  const std::vector<clData> records = {{2600, 16, 100, kWideSpaceTitle}, {-10, 0, 0, "x"}};
  EXPECT_EQ(format_records(records),
            "2600\t\t16\t100\t" + kWideSpaceTitle + "\n-10\t\t0\t0\tx\n");
  EXPECT_EQ(format_records({}), "");
}

TEST(FormatRecords, TitlesThatWouldNotReadBackAreMadeOneWord) {
  const struct {
    std::string title;
    std::string written;
  } cases[] = {
      {"", "-"},
      {"A B", "A_B"},
      {"a\tb\nc\rd\ve\ff", "a_b_c_d_e_f"},
      {kWideSpaceTitle, kWideSpaceTitle},
      // Past the byte bound the title is cut after its last whole character.
      {std::string(300, 'a'), std::string(255, 'a')},
      {std::string(300, ' '), std::string(255, '_')},
      {std::string(253, 'a') + "\x98\x5f", std::string(253, 'a') + "\x98\x5f"},
      {std::string(254, 'a') + "\x98\x5f", std::string(254, 'a')},
      {std::string(254, 'a') + "\xb1\x98\x5f", std::string(254, 'a') + "\xb1"},
      {std::string(255, 'a') + "\xb1", std::string(255, 'a')},
      // One that fits is kept whole, even ending in a lone lead byte.
      {std::string(254, 'a') + "\x98", std::string(254, 'a') + "\x98"},
      {repeat(kWideSpaceTitle, 43), repeat(kWideSpaceTitle, 42) + "\x98\x5f"},
      {"a" + repeat("\x8a\x4f", 130), "a" + repeat("\x8a\x4f", 127)},
  };
  for (const auto& c : cases) {
    const std::vector<clData> table = {{5, 1, 2, c.title}, {4, 1, 2, "next"}};
    const std::vector<clData> expected = {{5, 1, 2, c.written}, {4, 1, 2, "next"}};
    EXPECT_EQ(parse(format_records(table)), expected) << '"' << c.title << '"';
  }
}

}  // namespace
