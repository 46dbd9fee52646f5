// The ranking loader on any bytes: every record it keeps has a title that can
// stand in the file, and writing the records out reads back the same records.
#include <algorithm>
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
  for (const clData& r : records) {
    fuzz::require(!r.title.empty() && r.title.size() <= kMaxTitleBytes, "title length out of bounds");
    for (const char c : r.title) {
      fuzz::require(!fuzz::is_space(static_cast<unsigned char>(c)), "whitespace inside a title");
    }
  }

  const std::string file = format_records(records);
  std::istringstream back(file);
  fuzz::require(same(read_records(back), records), "written records do not read back the same");

  // Any title the game may hold, cut from the input at zero bytes, is
  // written so that every record reads back, its title as written.
  std::vector<clData> table;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (std::size_t from = 0; from <= bytes.size();) {
    const std::size_t end = std::min(bytes.find('\0', from), bytes.size());
    table.push_back({static_cast<std::int32_t>(table.size()), 1, 2, bytes.substr(from, end - from)});
    from = end + 1;
  }
  std::istringstream table_back(format_records(table));
  const std::vector<clData> reread = read_records(table_back);
  fuzz::require(reread.size() == table.size(), "a record written was lost on reading");
  for (std::size_t i = 0; i < reread.size(); ++i) {
    fuzz::require(reread[i].title == file_title(table[i].title), "a title changed on the way");
  }
  return 0;
}
