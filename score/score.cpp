#include "score/score.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

#include "platform/atomic_file.h"
#include "score/ranking_file.h"

Score::Score(std::string _filename) { file_open(std::move(_filename)); }

int Score::file_open(std::string _filename) {
  filename = std::move(_filename);
  std::ifstream in(filename, std::ios::binary);
  if (!in) return 0;
  std::vector<clData> loaded = read_records(in);
  records.insert(records.end(), std::make_move_iterator(loaded.begin()),
                 std::make_move_iterator(loaded.end()));
  return 0;
}

int Score::inputdata(clData data) {
  // Strictly lower: of equal points the older result keeps the better rank.
  const auto place = std::find_if(records.begin(), records.end(),
                                  [&](const clData& r) { return r.point < data.point; });
  const int rank = static_cast<int>(place - records.begin()) + 1;
  records.insert(place, std::move(data));
  // Only one record goes, so a longer table loaded from a file keeps its length.
  if (records.size() > kRankingLimit) records.pop_back();
  save();
  return rank;
}

bool Score::save() const {
  if (filename.empty()) return false;
  return platform::write_file_atomically(filename, format_records(records));
}
