#include "world/stage_install.h"

#include <algorithm>
#include <cstdint>
#include <limits>

void install_stage_section(const StageSection& section, Sniper_Field& field) {
  // Summed wide and clamped: a hostile file could overflow an int.
  std::int64_t total = 0;
  for (const Canon_attrib& att : section.spawners) {
    total += att.num;
    field.canon_insert(Canon(att));
  }
  field.remain = static_cast<std::int32_t>(
      std::clamp<std::int64_t>(total, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
}
