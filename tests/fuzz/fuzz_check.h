#pragma once
// What every fuzz target shares: a broken invariant stops the run loudly, so
// that libFuzzer keeps the input that broke it.
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// Formatted extraction in the classic locale skips exactly these bytes.
inline bool is_space(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace fuzz
