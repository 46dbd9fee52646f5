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

}  // namespace
