#include "score/result_record.h"

#include <algorithm>
#include <cstdint>
#include <limits>

clData result_record(int stage, int hitrate, const std::string& title_sjis) {
  const std::int64_t point =
      static_cast<std::int64_t>(stage) * 100 + static_cast<std::int64_t>(hitrate) * 10;
  const std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
  const std::int64_t highest = std::numeric_limits<std::int32_t>::max();
  clData record;
  record.point = static_cast<std::int32_t>(std::clamp(point, lowest, highest));
  record.stage = stage;
  record.hitrate = hitrate;
  record.title = title_sjis;
  return record;
}
