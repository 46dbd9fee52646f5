#pragma once
// Keeps the replay of every course played in the window: writes it into
// replays/ beside the progress file, then removes the replays no longer
// kept. A replay that cannot be written never disturbs play; the first
// failure is said once on the console.
#include <cstdint>
#include <string>
#include <utility>

#include "replay/replay.h"
#include "score/score.h"

class Replay_Keeper {
 public:
  Replay_Keeper(std::string folder, const Score& ranking) : folder_(std::move(folder)), ranking_(ranking) {}

  // The recorder's sink: a second call for the same run replaces its file.
  void keep(const replay::Replay& recorded, std::int64_t run);

 private:
  std::string folder_;
  const Score& ranking_;
  std::int64_t last_run_ = -1;
  std::string last_path_;
  bool warned_ = false;
};
