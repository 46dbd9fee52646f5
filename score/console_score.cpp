#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "platform/console.h"
#include "platform/encoding.h"
#include "score/score.h"

namespace {

constexpr std::size_t kListed = 10;

std::string listing_line(std::size_t place, const clData& record) {
  std::string line = std::to_string(place);
  line += "位　";
  line += std::to_string(record.point);
  line += "点　ステージ";
  line += std::to_string(record.stage);
  line += "クリア　命中率";
  line += std::to_string(record.hitrate);
  line += "％　称号";
  line += platform::from_sjis(record.title);
  return line;
}

}  // namespace

Console_Score::Console_Score(std::string _filename) : Score(std::move(_filename)) {}

void Console_Score::outputdata() {
  const std::size_t shown = std::min(records.size(), kListed);
  for (std::size_t i = 0; i < shown; ++i) {
    platform::console_line(listing_line(i + 1, records[i]));
  }
}
