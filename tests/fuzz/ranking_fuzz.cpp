// The ranking loader on any bytes: every record it keeps has a title that can
// stand in the file, and writing the records out reads back the same records.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "score/ranking_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

bool same(const std::vector<clData>& a, const std::vector<clData>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].point != b[i].point || a[i].stage != b[i].stage || a[i].hitrate != b[i].hitrate ||
        a[i].title != b[i].title) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const std::vector<clData> records = read_records(in);
  fuzz::require(records.size() <= kMaxLoadedRecords, "more records than the bound");
  for (const clData& r : records) {
    fuzz::require(!r.title.empty() && r.title.size() <= kMaxTitleBytes, "title length out of bounds");
    for (const char c : r.title) {
      fuzz::require(!fuzz::is_space(static_cast<unsigned char>(c)), "whitespace inside a title");
    }
  }

  const std::string file = format_records(records);
  std::istringstream back(file);
  fuzz::require(same(read_records(back), records), "written records do not read back the same");
  return 0;
}
