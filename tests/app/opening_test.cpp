#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/opening.h"

namespace {

const std::string prompt = "１：ゲームを開始する２：終了\n";

std::string repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

struct PromptCase {
  const char* input;
  StartChoice choice;
  int prompts;
};

class StartPrompt : public testing::TestWithParam<PromptCase> {};

TEST_P(StartPrompt, ReadsWordsUntilAnAnswer) {
  const PromptCase& c = GetParam();
  std::istringstream in(c.input);
  testing::internal::CaptureStdout();
  const StartChoice choice = ask_start(in);
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(choice, c.choice);
  EXPECT_EQ(printed, repeat(prompt, c.prompts));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, StartPrompt,
    testing::Values(PromptCase{"1\n", StartChoice::Start, 1},
                    PromptCase{"   \n\n\t 1\n", StartChoice::Start, 1},
                    PromptCase{"1x\n1\n", StartChoice::Start, 2},
                    PromptCase{"01\n1\n", StartChoice::Start, 2},
                    PromptCase{"１\n1\n", StartChoice::Start, 2},
                    // The second word on the line answers without waiting for another line.
                    PromptCase{"x 1", StartChoice::Start, 2},
                    PromptCase{"2\n", StartChoice::Quit, 1},
                    PromptCase{"x y 2 1", StartChoice::Quit, 3},
                    PromptCase{"", StartChoice::Quit, 1},
                    PromptCase{"3\n \n", StartChoice::Quit, 2}));

}  // namespace
