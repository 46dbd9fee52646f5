#pragma once
// The ranking record of a finished course.
#include <string>

#include "score/score.h"

// point = stage × 100 + hitrate × 10, held to the int32 range; the title is
// the rank title in Shift-JIS without its prefix.
clData result_record(int stage, int hitrate, const std::string& title_sjis);
