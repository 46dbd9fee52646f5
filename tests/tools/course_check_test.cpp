#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "tools/course_checker/course_check.h"

namespace {

using course::Severity;

// A record that is fine in every way: a big figure straight up, mid-range.
const std::string R = "0 0 -60 30 85 10 180 4 0 2 0";

struct Expected {
  std::size_t line, column;
  Severity severity;
  const char* says;  // a telling part of the message
};

struct CheckCase {
  const char* name;
  std::string text;
  std::vector<Expected> diagnostics;
};

const Severity E = Severity::error;
const Severity W = Severity::warning;

const CheckCase kCases[] = {
    {"a clean course", "2\n# one\n1 10\n" + R + "\n# two\n\n1 10\n" + R + "\n", {}},
    {"a clean course with CR LF line ends", "1\r\n# one\r\n1 10\r\n" + R + "\r\n", {}},
    {"an empty file", "", {{1, 1, E, "file is empty"}}},
    {"a stage count of 0", "0\n1 10\n" + R, {{1, 1, E, "never ends the course"}}},
    {"a negative stage count", "-2\n1 10\n" + R, {{1, 1, E, "never ends the course"}}},
    {"fewer stages than the count", "3\n1 10\n" + R + "\n1 10\n" + R + "\n",
     {{6, 1, E, "ends after 2 of 3 stages"}}},
    {"fewer records than the spawner count", "1\n2 10\n" + R + "\n",
     {{4, 1, E, "ends after 1 of its spawners"}}},
    {"a record cut short", "1\n1 10\n0 0 -60 30 85", {{3, 14, E, "cut short: the file ends before its spread"}}},
    {"a word for a number", "1\n1 10\n0 0 -60 30 85 10 fast 4 0 2 0\n",
     {{3, 18, E, "expected the speed, found 'fast'"}}},
    {"a fraction where a whole number belongs", "1\n1 10\n0 0 -60 30 85 10 180 4.5 0 2 0\n",
     {{3, 22, E, "num '4.5' is not a whole number"}}},
    {"a number too large", "1\n1 10\n0 0 -60 30 85 10 180 99999999999 0 2 0\n",
     {{3, 22, E, "out of range"}}},
    {"a blank after the stage count before a comment", "1 \n# one\n1 10\n" + R + "\n",
     {{1, 2, E, "comment on line 2 is read as a number"}}},
    {"a tab after a section's last number before a comment",
     "2\n1 10\n" + R + "\t\n# two\n1 10\n" + R + "\n",
     {{3, 29, E, "comment on line 4 is read as a number"}}},
    {"a comment between records", "1\n2 10\n" + R + "\n# more\n" + R + "\n",
     {{4, 1, E, "comments may stand only right before"}}},
    {"a comment longer than 127 characters", "1\n#" + std::string(127, '-') + "\n1 10\n" + R + "\n",
     {{2, 1, E, "longer than 127 characters"}}},
    {"a comment of 127 characters", "1\n#" + std::string(126, '-') + "\n1 10\n" + R + "\n", {}},
    {"a comment of 127 characters before CR LF",
     "1\r\n#" + std::string(126, '-') + "\r\n1 10\r\n" + R + "\r\n", {}},
    {"a comment after a lone CR", "2\n1 10\n" + R + "\n\r# two\n1 10\n" + R + "\n",
     {{4, 2, E, "not in the first column"}}},
    {"a comment not in the first column", "1\n  # one\n1 10\n" + R + "\n",
     {{2, 3, E, "not in the first column"}}},
    {"a comment before the stage count", "# course\n1\n1 10\n" + R + "\n",
     {{1, 1, E, "before the stage count"}}},
    {"text after the last stage", "1\n1 10\n" + R + "\n1 10\n" + R + "\n",
     {{4, 1, W, "never read"}}},
    {"a stage with no spawners", "1\n0 10\n", {{2, 3, W, "cleared at once"}}},
    {"fewer bullets than hits", "1\n1 3\n" + R + "\n", {{2, 3, W, "stage 1 grants 3 bullets for 4 hits"}}},
    {"a kind with no life", "1\n1 10\n0 0 -60 30 85 10 180 4 0 2 3\n",
     {{3, 28, E, "kind 3 is not 0, 1 or 2"}}},
    {"nobody to launch", "1\n1 10\n0 0 -60 30 85 10 180 0 0 2 0\n", {{3, 22, E, "num 0"}}},
    {"a size of 0", "1\n1 10\n0 0 -60 30 85 10 180 4 0 0 0\n", {{3, 26, E, "never be shot down"}}},
    {"a launch point outside the arena", "1\n1 10\n61 0 -60 30 85 10 180 4 0 2 0\n",
     {{3, 1, E, "outside the arena"}}},
    {"a launch point below the arena", "1\n1 10\n0 -5.5 -60 30 85 10 180 4 0 2 0\n",
     {{3, 1, E, "outside the arena"}}},
    {"figures behind the player", "1\n1 10\n0 0 30 30 85 10 180 4 0 2 0\n",
     {{3, 11, E, "never come into view"}}},
    {"figures below the floor", "1\n1 10\n0 -2 -60 30 -90 0 180 4 0 2 0\n",
     {{3, 13, E, "never come into view"}}},
    {"figures that leave sideways before the player sees them",
     "1\n1 10\n-59 0 -100 30 95 0 300 4 0 2 0\n",
     {{3, 15, E, "leave the arena before"}, {3, 15, W, "behind the walls"}}},
    {"figures seen only for a moment", "1\n1 10\n0 0 -60 30 0 0 100 4 0 2 0\n",
     {{3, 12, W, "in view for only 4 ticks"}}},
    {"figures over the walls only at one end of the spread",
     "1\n1 10\n0 0 -60 30 60 30 180 4 0 2 0\n", {{3, 12, W, "at 60.0 to 7"}}},
};

class CourseCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(CourseCheck, ReportsEveryProblemWhereItStands) {
  const CheckCase& c = GetParam();
  const course::SourceText source(c.text);
  const std::vector<course::Diagnostic> found = course::check_course(source);
  std::string all;
  for (const auto& d : found) all += course::format_diagnostic("t.txt", source, d) + "\n";
  ASSERT_EQ(found.size(), c.diagnostics.size()) << all;
  for (std::size_t i = 0; i < found.size(); ++i) {
    const course::TextPosition at = source.position_of(found[i].offset);
    EXPECT_EQ(at.line, c.diagnostics[i].line) << all;
    EXPECT_EQ(at.column, c.diagnostics[i].column) << all;
    EXPECT_EQ(found[i].severity, c.diagnostics[i].severity) << all;
    EXPECT_NE(found[i].message.find(c.diagnostics[i].says), std::string::npos) << all;
  }
  EXPECT_EQ(course::has_errors(found),
            std::any_of(c.diagnostics.begin(), c.diagnostics.end(),
                        [](const Expected& e) { return e.severity == E; }));
}

INSTANTIATE_TEST_SUITE_P(Files, CourseCheck, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CheckCase>& param) {
                           std::string name;
                           for (const char* c = param.param.name; *c != '\0'; ++c) {
                             name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                           }
                           return name;
                         });

TEST(CourseCheckFormat, NamesFileLineColumnAndSeverity) {
  const course::SourceText source("1\n1 10\n0 0 -60 30 85 10 180 4 0 2 3\n");
  const auto found = course::check_course(source);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(course::format_diagnostic("basic.txt", source, found[0]),
            "basic.txt:3:28: error: stage 1, spawner 1: kind 3 is not 0, 1 or 2: its figures have "
            "no life and vanish at launch");
}

TEST(CourseCheckRobustness, AHugeCountOnATinyFileEndsAtOnce) {
  const course::SourceText source("2147483647\n1 2147483647\n" + R + "\n");
  const auto found = course::check_course(source);
  ASSERT_FALSE(found.empty());
  EXPECT_NE(found.back().message.find("ends after 1 of 2147483647 stages"), std::string::npos);
}

}  // namespace
