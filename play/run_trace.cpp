#include "play/run_trace.h"

#include <cstdio>

#include "world/random.h"

void Run_Trace::add_bytes(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) {
    hash_ ^= bytes[i];
    hash_ *= 1099511628211ull;  // FNV-1a prime
  }
}

void Run_Trace::ticked(const Play_State& play) {
  const Sniper_Field& field = play.field;
  // The banner countdown runs on below zero, where it means nothing; a retry
  // carries it over, and a replay need not restore it.
  const std::int32_t banner = field.clearcount > 0 ? field.clearcount : 0;
  for (const std::int64_t counter :
       {std::int64_t{field.tick}, std::int64_t{field.remain}, std::int64_t{banner},
        std::int64_t{field.hits}, std::int64_t{field.lives}, std::int64_t{field.combo},
        std::int64_t{play.stage}, std::int64_t{play.ammo}, std::int64_t{play.shots},
        std::int64_t{play.ticks_played}, std::int64_t{play.finished}, std::int64_t{play.allclear},
        std::int64_t{random15_state()}}) {
    add(counter);
  }
  add(play.yaw);
  add(play.pitch);
  for (const Sniper_Field::buttai_list* list : {&field.hitoset, &field.tamaset}) {
    add(static_cast<std::int64_t>(list->size()));
    for (const auto& object : *list) {
      for (const VECTORD& v : {object->pos, object->vel, object->prevpos}) {
        add(v.x);
        add(v.y);
        add(v.z);
      }
      add(object->life);
      add(object->phase);
    }
  }
}

std::string Run_Trace::hex() const {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
  return text;
}
