#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "app/opening.h"

namespace {

const std::string prompt = "１：ゲームを開始する２：終了\n";

std::string repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

struct PromptCase {
  std::string input;
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

// Words at and past the longest the prompt keeps: a longer word is one
// wrong answer, however it ends, and the next word is read afresh.
const std::string k64(64, '1');
const std::string k65(65, '1');
const std::string kLongOne = std::string(64, 'x') + "1";
INSTANTIATE_TEST_SUITE_P(
    LongWords, StartPrompt,
    testing::Values(PromptCase{k64 + " 1", StartChoice::Start, 2},
                    PromptCase{k65 + "\n2", StartChoice::Quit, 2},
                    PromptCase{kLongOne + " 2 1", StartChoice::Quit, 2},
                    PromptCase{kLongOne + "\t" + kLongOne + "\n1", StartChoice::Start, 3},
                    PromptCase{kLongOne, StartChoice::Quit, 2}));

// Serves `length` bytes of one word, then " 1", without holding them.
class EndlessWord final : public std::streambuf {
 public:
  explicit EndlessWord(std::size_t length) : left_(length), chunk_(1 << 16, 'x') {}

 protected:
  int_type underflow() override {
    if (left_ == 0) {
      if (ended_) return traits_type::eof();
      ended_ = true;
      setg(tail_, tail_, tail_ + 2);
      return traits_type::to_int_type(*gptr());
    }
    const std::size_t n = std::min(left_, chunk_.size());
    left_ -= n;
    setg(chunk_.data(), chunk_.data(), chunk_.data() + n);
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::size_t left_;
  std::vector<char> chunk_;
  char tail_[2] = {' ', '1'};
  bool ended_ = false;
};

long peak_kib() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST(StartPromptInput, AWordWithNoEndIsReadInLittleMemory) {
  // 128 MiB of one word: kept whole, it would raise the peak by as much.
  EndlessWord source(std::size_t{128} << 20);
  std::istream in(&source);
  const long before = peak_kib();
  testing::internal::CaptureStdout();
  const StartChoice choice = ask_start(in);
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(choice, StartChoice::Start);
  EXPECT_EQ(printed, repeat(prompt, 2));
  EXPECT_LT(peak_kib() - before, 16 * 1024);
}

}  // namespace
