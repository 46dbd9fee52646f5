#pragma once
// Puts a section that was read into the field: one spawner per record, and
// `remain` set to the persons they will launch.
#include "world/sniper_field.h"
#include "world/stage_reader.h"

void install_stage_section(const StageSection& section, Sniper_Field& field);
