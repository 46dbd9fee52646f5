// The replay reader on any bytes, taken both as a whole file and as the
// fields past the checksum (which random bytes would seldom reach): it
// either refuses them with one line, or gives a replay that is fit to play
// and writes out to a file that reads back the same replay.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "replay/replay_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// Each input takes a byte of the fields at least.
void check(const replay::Decoded& decoded, std::size_t most_inputs) {
  if (!decoded.ok()) {
    fuzz::require(decoded.error.find('\n') == std::string::npos, "an error of more than one line");
    return;
  }
  const replay::Replay& r = decoded.replay;
  fuzz::require(replay::problem(r).empty(), "a replay read that is unfit to play");
  fuzz::require(r.inputs.size() <= most_inputs, "more inputs than bytes");
  fuzz::require(r.course_text.size() <= replay::kMaxCourseBytes, "a course beyond the bound");
  const replay::Decoded back = replay::decode(replay::encode(r));
  fuzz::require(back.ok() && back.replay == r, "a replay written out does not read back the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check(replay::decode(bytes), replay::kMaxBodyBytes);
  check(replay::decode_body(bytes), size);
  return 0;
}
