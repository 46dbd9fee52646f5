#include "play/tick_motion.h"

namespace {

bool same(const VECTORD& a, const VECTORD& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

template <typename Visit>
void each_object(const Sniper_Field& field, Visit visit) {
  for (const auto* list : {&field.hitoset, &field.tamaset, &field.buildingset}) {
    for (const auto& object : *list) visit(*object);
  }
}

}  // namespace

void Tick_Motion::before_tick(const Sniper_Field& field, std::int32_t stage) {
  before_.clear();
  stage_before_ = stage;
  each_object(field, [this](const buttai& object) { before_.emplace(&object, object.pos); });
}

void Tick_Motion::after_tick(const Sniper_Field& field, std::int32_t stage) {
  steps_.clear();
  moving_ = false;
  if (stage == stage_before_) {
    each_object(field, [this](const buttai& object) {
      const auto found = before_.find(&object);
      if (found == before_.end()) return;
      steps_.emplace(&object, Step{found->second, object.pos});
      if (!same(found->second, object.pos)) moving_ = true;
    });
  }
  before_.clear();
}

void Tick_Motion::forget() {
  before_.clear();
  steps_.clear();
  moving_ = false;
}

VECTORD Tick_Motion::drawn_position(const buttai& object, double fraction) const {
  const VECTORD& now = object.pos;
  if (!(fraction < 1.0)) return now;
  const auto found = steps_.find(&object);
  // A position that is not the one the tick left is not this step's end: the
  // object was replaced, or moved by something other than a tick.
  if (found == steps_.end() || !same(found->second.to, now)) return now;
  // Counted from the nearer end, so that both ends are exact.
  const VECTORD& from = found->second.from;
  if (fraction > 0.5) {
    const double rest = 1.0 - fraction;
    return {now.x - (now.x - from.x) * rest, now.y - (now.y - from.y) * rest,
            now.z - (now.z - from.z) * rest};
  }
  if (!(fraction > 0.0)) return from;
  return {from.x + (now.x - from.x) * fraction, from.y + (now.y - from.y) * fraction,
          from.z + (now.z - from.z) * fraction};
}
