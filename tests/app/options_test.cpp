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
}

TEST(Options, HelpInEitherSpelling) {
  EXPECT_TRUE(parse({"--help"}).options.help);
  EXPECT_TRUE(parse({"-h"}).options.help);
}

TEST(Options, UnknownArgumentsAreOneLineErrors) {
  for (const char* bad : {"--bogus", "-display", "file.txt", "--help=1", ""}) {
    const ParsedOptions parsed = parse({bad});
    SCOPED_TRACE(bad);
    EXPECT_NE(parsed.error.find('\'' + std::string(bad) + '\''), std::string::npos);
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
  }
}

TEST(Options, UsageNamesEveryOption) {
  std::ostringstream usage;
  print_usage(usage);
  EXPECT_NE(usage.str().find("--help"), std::string::npos);
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
