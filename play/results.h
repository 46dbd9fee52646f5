#pragma once
// What the end of a course is worth: the hit rate and the rank title.
#include <cstdint>

// Hits per hundred shots, truncated; 0 when no shot was fired. One bullet can
// hit several figures, so it can exceed 100.
std::int32_t hit_rate(std::int32_t hits, std::int32_t shots);

struct RankTitle {
  const char* shown;   // as the results screen shows it, prefix included
  const char* ranked;  // as the ranking file keeps it
};

// The rank title for the 0-based stage on which the course ended.
RankTitle rank_title(std::int32_t stage);
