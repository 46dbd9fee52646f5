// The start prompt on any input: it always returns, and it starts exactly
// when the first word that is "1" or "2" is "1"; a word longer than 64 bytes
// is a wrong answer as a whole, never the start of the next word. Its
// console output is thrown away.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>

#include "app/opening.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

StartChoice expected_choice(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && fuzz::is_space(static_cast<unsigned char>(text[i]))) ++i;
    const std::size_t from = i;
    while (i < text.size() && !fuzz::is_space(static_cast<unsigned char>(text[i]))) ++i;
    const std::string word = text.substr(from, i - from);
    if (word.size() > 64) continue;
    if (word == "1") return StartChoice::Start;
    if (word == "2") return StartChoice::Quit;
  }
  return StartChoice::Quit;  // the input ran out first
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::freopen("/dev/null", "w", stdout) == nullptr) return 1;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream in(text);
  fuzz::require(ask_start(in) == expected_choice(text), "started or quit on the wrong word");
  return 0;
}
