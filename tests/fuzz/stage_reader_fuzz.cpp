// The stage-file reader on any bytes: it never reads out of bounds, reads the
// same with and without an observer, and tells the observer offsets that lie
// inside the text, in reading order, with nothing after a failure.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "tests/fuzz/fuzz_check.h"
#include "world/stage_reader.h"

namespace {

// More sections than this add nothing: once the text runs out every further
// section reads the same way.
constexpr int kMaxSections = 64;

class OffsetChecker final : public StageReadObserver {
 public:
  explicit OffsetChecker(std::size_t size) : size_(static_cast<std::streamoff>(size)) {}

  void value_read(StageField, int record, std::streamoff at) override {
    seen(at);
    fuzz::require(record >= -1, "record index below -1");
  }
  void line_skipped(std::streamoff at, bool overflowed) override {
    seen(at);
    if (overflowed) failed_ = true;
  }
  void read_failed(StageField, int, std::streamoff at) override {
    seen(at);
    failed_ = true;
  }

 private:
  void seen(std::streamoff at) {
    fuzz::require(!failed_, "observer told of reading after the stream failed");
    fuzz::require(at >= 0 && at <= size_, "offset outside the text");
    fuzz::require(at >= last_, "offsets out of reading order");
    last_ = at;
  }

  std::streamoff size_;
  std::streamoff last_ = 0;
  bool failed_ = false;
};

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool same_record(const Canon_attrib& a, const Canon_attrib& b) {
  return same_bits(a.pos.x, b.pos.x) && same_bits(a.pos.y, b.pos.y) && same_bits(a.pos.z, b.pos.z) &&
         a.interval == b.interval && a.angle == b.angle && a.spread == b.spread && a.speed == b.speed &&
         a.num == b.num && a.delay == b.delay && same_bits(a.size, b.size) && a.kind == b.kind;
}

bool same_section(const StageSection& a, const StageSection& b) {
  if (a.spawner_count != b.spawner_count || a.bullets != b.bullets ||
      a.spawners.size() != b.spawners.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.spawners.size(); ++i) {
    if (!same_record(a.spawners[i], b.spawners[i])) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream plain(text);
  std::istringstream watched(text);
  OffsetChecker observer(size);

  fuzz::require(read_stage_count(plain) == read_stage_count(watched, &observer),
                "stage count differs with an observer");
  for (int i = 0; i < kMaxSections; ++i) {
    const StageSection a = read_stage_section(plain);
    const StageSection b = read_stage_section(watched, &observer);
    fuzz::require(same_section(a, b), "section differs with an observer");
    fuzz::require(a.spawner_count >= 0 ? a.spawners.size() <= static_cast<std::size_t>(a.spawner_count)
                                       : a.spawners.empty(),
                  "more records than the spawner count");
    fuzz::require(plain.fail() == watched.fail(), "stream state differs with an observer");
    if (plain.fail()) break;
  }
  return 0;
}
