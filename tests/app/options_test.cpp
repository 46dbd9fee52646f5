#include "app/options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

ParsedOptions parse(std::vector<const char*> args) {
  args.insert(args.begin(), "quorrelstead");
  return parse_options(static_cast<int>(args.size()), args.data());
}

TEST(Options, NoArgumentsStartTheGameAsUsual) {
  const ParsedOptions parsed = parse({});
  EXPECT_TRUE(parsed.error.empty());
  EXPECT_FALSE(parsed.options.help);
  EXPECT_TRUE(parsed.options.raw_motion);
}

TEST(Options, RawMotionCanBeTurnedOff) {
  const ParsedOptions parsed = parse({"--no-raw-motion"});
  EXPECT_TRUE(parsed.error.empty());
  EXPECT_FALSE(parsed.options.raw_motion);
  EXPECT_FALSE(parsed.options.help);
  const ParsedOptions both = parse({"--no-raw-motion", "--help"});
  EXPECT_FALSE(both.options.raw_motion);
  EXPECT_TRUE(both.options.help);
}

TEST(Options, HelpInEitherSpelling) {
  EXPECT_TRUE(parse({"--help"}).options.help);
  EXPECT_TRUE(parse({"-h"}).options.help);
}

TEST(Options, UnknownArgumentsAreOneLineErrors) {
  for (const char* bad : {"--bogus", "-display", "file.txt", "--help=1", "", "--no-raw-motion=1", "--raw-motion"}) {
    const ParsedOptions parsed = parse({bad});
    SCOPED_TRACE(bad);
    EXPECT_NE(parsed.error.find('\'' + std::string(bad) + '\''), std::string::npos);
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
  }
}

TEST(Options, UsageNamesEveryOption) {
  std::ostringstream usage;
  print_usage(usage);
  for (const char* option : {"--help", "--no-raw-motion"}) {
    EXPECT_NE(usage.str().find(option), std::string::npos) << option;
  }
}

}  // namespace
