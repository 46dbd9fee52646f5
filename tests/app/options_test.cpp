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
  EXPECT_FALSE(parsed.options.smooth);
  EXPECT_TRUE(parsed.options.raw_motion);
}

TEST(Options, SmoothModeAloneOrWithHelp) {
  struct Case {
    std::vector<const char*> args;
    bool smooth;
    bool help;
  };
  const Case cases[] = {
      {{"--smooth"}, true, false},
      {{"--smooth", "--help"}, true, true},
      {{"-h", "--smooth"}, true, true},
      {{"--smooth", "--smooth"}, true, false},
  };
  for (const Case& c : cases) {
    const ParsedOptions parsed = parse(c.args);
    SCOPED_TRACE(c.args.front());
    EXPECT_TRUE(parsed.error.empty());
    EXPECT_EQ(parsed.options.smooth, c.smooth);
    EXPECT_EQ(parsed.options.help, c.help);
  }
  // Near misses are unknown options, not the mode.
  for (const char* bad : {"--smoth", "--smooth=1", "-smooth", "--SMOOTH"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(parse({bad}).error.empty());
    EXPECT_FALSE(parse({bad}).options.smooth);
  }
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
  for (const char* option : {"--help", "--smooth", "--replay FILE", "--verify FILE", "--no-raw-motion"}) {
    EXPECT_NE(usage.str().find(option), std::string::npos) << option;
  }
}

TEST(Options, ReplayAndVerifyTakeAFileInEitherForm) {
  const struct {
    std::vector<const char*> args;
    const char* replay;
    const char* verify;
  } cases[] = {
      {{"--replay", "run.qsr"}, "run.qsr", ""},
      {{"--replay=../runs/a b.qsr"}, "../runs/a b.qsr", ""},
      {{"--verify", "/tmp/x.qsr"}, "", "/tmp/x.qsr"},
      {{"--verify=--help"}, "", "--help"},
      {{"--verify", "--replay"}, "", "--replay"},  // the word after the option is its file
      {{"--replay", "run.qsr", "--smooth"}, "run.qsr", ""},
  };
  for (const auto& c : cases) {
    const ParsedOptions parsed = parse(c.args);
    SCOPED_TRACE(c.args[0]);
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.replay_file, c.replay);
    EXPECT_EQ(parsed.options.verify_file, c.verify);
    EXPECT_FALSE(parsed.options.help);
  }
}

TEST(Options, ReplayAndVerifyErrors) {
  const std::vector<std::vector<const char*>> bad = {
      {"--replay"}, {"--verify"}, {"--replay="}, {"--verify", ""},
      {"--replay", "a.qsr", "--verify", "b.qsr"}, {"--replayx", "a.qsr"},
  };
  for (const auto& args : bad) {
    const ParsedOptions parsed = parse(args);
    SCOPED_TRACE(args[0]);
    EXPECT_NE(parsed.error, "");
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
  }
}

TEST(Options, FullscreenAloneOrWithOthers) {
  EXPECT_FALSE(parse({}).options.fullscreen);
  struct Case {
    std::vector<const char*> args;
    bool fullscreen, help;
  };
  const Case cases[] = {{{"--fullscreen"}, true, false},
                        {{"--fullscreen", "--help"}, true, true},
                        {{"-h", "--fullscreen"}, true, true},
                        {{"--fullscreen", "--fullscreen"}, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front());
    const ParsedOptions parsed = parse(c.args);
    EXPECT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_EQ(parsed.options.fullscreen, c.fullscreen);
    EXPECT_EQ(parsed.options.help, c.help);
  }
  for (const char* near_miss : {"--full-screen", "-fullscreen", "--fullscreen=1", "-f"}) {
    SCOPED_TRACE(near_miss);
    const ParsedOptions parsed = parse({near_miss});
    EXPECT_FALSE(parsed.error.empty());
    EXPECT_FALSE(parsed.options.fullscreen);
  }
}

TEST(Options, UsageNamesFullScreenBothWays) {
  std::ostringstream usage;
  print_usage(usage);
  EXPECT_NE(usage.str().find("--fullscreen"), std::string::npos);
  EXPECT_NE(usage.str().find("F11"), std::string::npos);
}

}  // namespace
