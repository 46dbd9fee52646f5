#include "app/replay_keeper.h"

#include <ctime>
#include <vector>

#include "platform/console.h"
#include "play/results.h"
#include "replay/replay_store.h"

void Replay_Keeper::keep(const replay::Replay& recorded, std::int64_t run) {
  const std::time_t now = std::time(nullptr);
  std::tm when{};
  localtime_r(&now, &when);
  const std::int32_t rate = hit_rate(recorded.result.hits, recorded.result.shots);
  const std::string over = run == last_run_ ? last_path_ : std::string();
  const replay::Saved saved = replay::save(folder_, recorded, rate, when, over);
  if (!saved.error.empty()) {
    if (!warned_) platform::console_line("replay not saved: " + saved.error);
    warned_ = true;
    return;
  }
  last_run_ = run;
  last_path_ = saved.path;
  std::vector<replay::Ranked> ranked;
  for (const clData& record : ranking_.records) ranked.push_back({record.stage, record.hitrate});
  replay::prune(folder_, ranked);
}
