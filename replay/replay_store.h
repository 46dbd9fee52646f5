#pragma once
// Where replays are kept: a folder of files named by the date and time, the
// course and the result. The replays of the ranking's results are kept, and
// the newest few others; the rest are removed.
#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

#include "replay/replay.h"

namespace replay {

inline constexpr std::size_t kKeptOthers = 20;

// "20261211-171502-00_basic_s6_85pct_clear.qsr": local date and time, a
// number that tells apart replays of the same second, the course's name
// without ".txt", the stage reached (from 1), the hit rate and how it ended.
std::string file_name(const Replay& recorded, std::int32_t hit_rate, const std::tm& when, int number);

// What a kept replay's name tells.
struct Named {
  std::string name;
  std::int32_t stage = 0;  // from 0, as the ranking keeps it
  std::int32_t hit_rate = 0;
};

// Parses a name written by file_name; false for any other name.
bool parse_name(const std::string& name, Named& named);

struct Saved {
  std::string path;   // where it was written
  std::string error;  // one line; empty when written
};

// Writes the replay atomically into `folder` (made if missing), under a
// new name, or over `path` when one is given.
Saved save(const std::string& folder, const Replay& recorded, std::int32_t hit_rate, const std::tm& when,
           const std::string& path = "");

// A ranking entry as far as replays can match it.
struct Ranked {
  std::int32_t stage = 0;
  std::int32_t hit_rate = 0;
};

// The names to remove: for each ranking entry the oldest replay of that
// result not yet taken is kept; of the rest the newest `others` are kept.
std::vector<std::string> to_remove(std::vector<std::string> names, const std::vector<Ranked>& ranking,
                                   std::size_t others = kKeptOthers);

// Removes from the folder what to_remove names. Other files are left alone.
void prune(const std::string& folder, const std::vector<Ranked>& ranking, std::size_t others = kKeptOthers);

}  // namespace replay
