#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include "world/stage_install.h"
#include "world/stage_reader.h"

namespace {

// One spawner record: pos -100 deep, interval 5, angle 60, spread 20,
// speed 500, num 3, delay 2, size 1.5, kind 1.
const std::string R = "0 0 -100 5 60 20 500 3 2 1.5 1";

struct Expected {
  int spawner_count, bullets;
  std::size_t records;
};

struct ReaderCase {
  const char* name;
  std::string text;
  int stage_count;
  std::vector<Expected> sections;
};

std::vector<StageSection> read_all(std::istream& in, std::size_t sections, int& stage_count,
                                   StageReadObserver* observer) {
  stage_count = read_stage_count(in, observer);
  std::vector<StageSection> out;
  for (std::size_t i = 0; i < sections; ++i) out.push_back(read_stage_section(in, observer));
  return out;
}

bool same_record(const Canon_attrib& a, const Canon_attrib& b) {
  return a.pos.x == b.pos.x && a.pos.y == b.pos.y && a.pos.z == b.pos.z &&
         a.interval == b.interval && a.angle == b.angle && a.spread == b.spread &&
         a.speed == b.speed && a.num == b.num && a.delay == b.delay && a.size == b.size &&
         a.kind == b.kind;
}

const ReaderCase kCases[] = {
    {"comments and blank lines after the count and after a section",
     "2\n# stage 1\n#\n1 10\n" + R + "\n# stage 2\n\n\n2 5\n" + R + " " + R + "\n", 2,
     {{1, 10, 1}, {2, 5, 2}}},
    {"blank lines elsewhere are whitespace", "1\n\n1\n\n10 0 0\n\n-100 5 60 20 500 3 2 1.5 1", 1,
     {{1, 10, 1}}},
    {"a blank after the count spoils every section", "2 \n# c\n1 10\n" + R + "\n1 10\n" + R, 2,
     {{0, 0, 0}, {0, 0, 0}}},
    {"a tab after the count spoils every section", "1\t\n# c\n1 10\n" + R, 1, {{0, 0, 0}}},
    {"a blank after a section's last number spoils the next",
     "2\n1 10\n" + R + " \n# c\n1 5\n" + R, 2, {{1, 10, 1}, {0, 0, 0}}},
    {"a comment between records stops the section", "1\n2 10\n" + R + "\n# c\n" + R + "\n", 1,
     {{2, 10, 1}, {0, 0, 0}}},
    {"a 127-character comment line fits", "1\n#" + std::string(126, 'x') + "\n1 10\n" + R, 1,
     {{1, 10, 1}}},
    {"a 128-character comment line spoils the rest",
     "2\n#" + std::string(127, 'x') + "\n1 10\n" + R + "\n1 10\n" + R, 2,
     {{0, 0, 0}, {0, 0, 0}}},
    {"a missing section is empty", "2\n1 10\n" + R + "\n", 2, {{1, 10, 1}, {0, 0, 0}}},
    {"no comment before the stage count", "# c\n1\n1 10\n" + R, 0, {{0, 0, 0}}},
    {"a comment at the very end without a newline", "1\n1 10\n" + R + "\n# end", 1,
     {{1, 10, 1}, {0, 0, 0}}},
    {"a count larger than the records there are", "1\n2000000000 10\n" + R + "\n", 1,
     {{2000000000, 10, 1}}},
    {"a negative count reads no records", "1\n-3 10\n" + R + "\n1 4\n" + R, 1,
     {{-3, 10, 0}, {0, 0, 0}}},
    {"extra sections are left unread", "1\n1 10\n" + R + "\n1 20\n" + R, 1, {{1, 10, 1}}},
    {"line ends with carriage returns", "2\r\n# c\r\n1 10\r\n" + R + "\r\n#\r\n1 5\r\n" + R, 2,
     {{1, 10, 1}, {1, 5, 1}}},
    {"a 127-character comment line fits before CR LF",
     "2\r\n#" + std::string(126, 'x') + "\r\n1 10\r\n" + R + "\r\n\r\n1 5\r\n" + R, 2,
     {{1, 10, 1}, {1, 5, 1}}},
    {"a 128-character comment line spoils the rest before CR LF",
     "2\r\n#" + std::string(127, 'x') + "\r\n1 10\r\n" + R + "\r\n1 10\r\n" + R, 2,
     {{0, 0, 0}, {0, 0, 0}}},
    {"a CR inside a comment line is one of its characters",
     "1\n#" + std::string(126, 'x') + "\r\r\n1 10\n" + R, 1, {{0, 0, 0}}},
    {"a lone CR before a comment stops the skipping like a blank",
     "2\n1 10\n" + R + "\n\r# c\n1 5\n" + R, 2, {{1, 10, 1}, {0, 0, 0}}},
    {"a lone CR before a number is whitespace", "2\n1 10\n" + R + "\n\r1 5\r" + R, 2,
     {{1, 10, 1}, {1, 5, 1}}},
};

TEST(StageReader, FollowsTheCommentRule) {
  for (const ReaderCase& c : kCases) {
    SCOPED_TRACE(c.name);
    std::istringstream in(c.text);
    int stage_count = -1;
    const auto sections = read_all(in, c.sections.size(), stage_count, nullptr);
    EXPECT_EQ(stage_count, c.stage_count);
    for (std::size_t i = 0; i < sections.size(); ++i) {
      EXPECT_EQ(sections[i].spawner_count, c.sections[i].spawner_count) << "section " << i;
      EXPECT_EQ(sections[i].bullets, c.sections[i].bullets) << "section " << i;
      EXPECT_EQ(sections[i].spawners.size(), c.sections[i].records) << "section " << i;
    }
  }
}

TEST(StageReader, ReadsTheRecordFieldsInOrder) {
  std::istringstream in("1\n1 10\n-12.5 3 -100 5 60 20 500 3 2 1.5 1\n");
  read_stage_count(in);
  const StageSection s = read_stage_section(in);
  ASSERT_EQ(s.spawners.size(), 1u);
  Canon_attrib expected;
  expected.pos = VECTORD{-12.5, 3.0, -100.0};
  expected.interval = 5;
  expected.angle = 60;
  expected.spread = 20;
  expected.speed = 500;
  expected.num = 3;
  expected.delay = 2;
  expected.size = 1.5;
  expected.kind = 1;
  EXPECT_TRUE(same_record(s.spawners[0], expected));
}

TEST(StageReader, ARecordCutShortKeepsWhatItGotAndZeroesTheRest) {
  for (const char* tail : {"", " 7", " 7 1.5x"}) {
    SCOPED_TRACE(tail);
    std::istringstream in(std::string("1\n1 10\n0 0 -100 5 60 20 500 3") + tail);
    read_stage_count(in);
    const StageSection s = read_stage_section(in);
    ASSERT_EQ(s.spawners.size(), 1u);
    Canon_attrib expected;
    expected.pos = VECTORD{0.0, 0.0, -100.0};
    expected.interval = 5;
    expected.angle = 60;
    expected.spread = 20;
    expected.speed = 500;
    expected.num = 3;
    expected.delay = *tail ? 7 : 0;
    expected.size = std::string(tail).size() > 3 ? 1.5 : 0.0;
    EXPECT_TRUE(same_record(s.spawners[0], expected));
    EXPECT_EQ(read_stage_section(in).spawner_count, 0);  // nothing reads past the data
  }
}

TEST(StageReader, AValueThatCannotBeReadIsZero) {
  const struct {
    const char* text;
    int spawner_count, bullets;
  } cases[] = {{"1\nx 10\n", 0, 0}, {"1\n99999999999 10\n", 0, 0}, {"1\n3 -99999999999\n", 3, 0}};
  for (const auto& c : cases) {
    std::istringstream in(c.text);
    EXPECT_EQ(read_stage_count(in), 1);
    const StageSection s = read_stage_section(in);
    EXPECT_EQ(s.spawner_count, c.spawner_count) << c.text;
    EXPECT_EQ(s.bullets, c.bullets) << c.text;
    EXPECT_TRUE(s.spawners.empty());
  }
}

// Records what the reader reports.
class Recorder final : public StageReadObserver {
 public:
  struct Event {
    char what;  // 'v' value, 'c' comment line, 'f' failure
    StageField field;
    int record;
    std::streamoff at;
    bool overflowed;
  };
  void value_read(StageField field, int record, std::streamoff at) override {
    events.push_back({'v', field, record, at, false});
  }
  void line_skipped(std::streamoff at, bool overflowed) override {
    events.push_back({'c', StageField::stage_count, -1, at, overflowed});
  }
  void read_failed(StageField field, int record, std::streamoff at) override {
    events.push_back({'f', field, record, at, false});
  }
  std::vector<Event> events;
};

TEST(StageReader, ObservingChangesNothingRead) {
  for (const ReaderCase& c : kCases) {
    SCOPED_TRACE(c.name);
    std::istringstream plain_in(c.text), observed_in(c.text);
    Recorder recorder;
    int plain_count = 0, observed_count = 0;
    const auto plain = read_all(plain_in, c.sections.size() + 1, plain_count, nullptr);
    const auto observed = read_all(observed_in, c.sections.size() + 1, observed_count, &recorder);
    EXPECT_EQ(plain_count, observed_count);
    for (std::size_t i = 0; i < plain.size(); ++i) {
      EXPECT_EQ(plain[i].spawner_count, observed[i].spawner_count);
      EXPECT_EQ(plain[i].bullets, observed[i].bullets);
      ASSERT_EQ(plain[i].spawners.size(), observed[i].spawners.size());
      for (std::size_t r = 0; r < plain[i].spawners.size(); ++r) {
        EXPECT_TRUE(same_record(plain[i].spawners[r], observed[i].spawners[r]));
      }
    }
    EXPECT_EQ(plain_in.rdstate(), observed_in.rdstate());
  }
}

TEST(StageReader, ReportsWhereEachValueAndCommentLineStands) {
  const std::string text = "2\n# first\n\n1  10\n" + R + "\n#" + std::string(130, 'x') + "\n1 5\n";
  std::istringstream in(text);
  Recorder rec;
  read_stage_count(in, &rec);
  read_stage_section(in, &rec);
  read_stage_section(in, &rec);

  const auto token_at = [&](std::streamoff at) {
    return text.substr(at, text.find_first_of(" \n", at) - at);
  };
  // The count, the rest of its line, a comment and a blank line, the two
  // section numbers, eleven record values, the rest of the record's line
  // and the overlong comment, after which nothing more is read.
  ASSERT_EQ(rec.events.size(), 19u);
  const std::streamoff lines[] = {1, 2, 10};
  EXPECT_EQ(rec.events[0].what, 'v');
  EXPECT_EQ(rec.events[0].at, 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(rec.events[1 + i].what, 'c');
    EXPECT_EQ(rec.events[1 + i].at, lines[i]);
    EXPECT_FALSE(rec.events[1 + i].overflowed);
  }
  EXPECT_EQ(rec.events[4].field, StageField::spawner_count);
  EXPECT_EQ(rec.events[4].at, 11);
  EXPECT_EQ(rec.events[5].field, StageField::bullets);
  EXPECT_EQ(rec.events[5].at, 14);
  const char* tokens[] = {"0", "0", "-100", "5", "60", "20", "500", "3", "2", "1.5", "1"};
  for (int i = 0; i < 11; ++i) {
    const auto& e = rec.events[6 + i];
    EXPECT_EQ(e.what, 'v');
    EXPECT_EQ(e.field, static_cast<StageField>(static_cast<int>(StageField::pos_x) + i));
    EXPECT_EQ(e.record, 0);
    EXPECT_EQ(token_at(e.at), tokens[i]) << stage_field_name(e.field);
  }
  EXPECT_EQ(rec.events[17].what, 'c');
  EXPECT_EQ(rec.events[17].at, 47);
  EXPECT_FALSE(rec.events[17].overflowed);
  EXPECT_EQ(rec.events[18].what, 'c');
  EXPECT_EQ(rec.events[18].at, 48);
  EXPECT_TRUE(rec.events[18].overflowed);
}

TEST(StageReader, ReportsTheEndOfTheDataForAReadThatRanOut) {
  const std::string text = "1\n1 10\n0 0";
  std::istringstream in(text);
  Recorder rec;
  read_stage_count(in, &rec);
  read_stage_section(in, &rec);
  ASSERT_FALSE(rec.events.empty());
  const auto& last = rec.events.back();
  EXPECT_EQ(last.what, 'f');
  EXPECT_EQ(last.field, StageField::pos_z);
  EXPECT_EQ(last.record, 0);
  EXPECT_EQ(last.at, static_cast<std::streamoff>(text.size()));
}

TEST(StageInstall, InstallsEverySpawnerAndCountsThePersons) {
  StageSection s;
  for (const int num : {3, 0, -1, 5}) {
    Canon_attrib a;
    a.num = num;
    a.delay = num;
    s.spawners.push_back(a);
  }
  Sniper_Field field;
  install_stage_section(s, field);
  EXPECT_EQ(field.remain, 7);
  ASSERT_EQ(field.canonset.size(), 4u);
  EXPECT_EQ(field.canonset.front().rest, 3);
  EXPECT_EQ(field.canonset.back().wait, 5);
}

TEST(StageInstall, AHugeTotalIsClampedNotOverflowed) {
  StageSection s;
  Canon_attrib a;
  a.num = INT_MAX;
  s.spawners = {a, a};
  Sniper_Field field;
  install_stage_section(s, field);
  EXPECT_EQ(field.remain, INT_MAX);
}

}  // namespace
