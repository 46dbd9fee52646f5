#pragma once
// Reads a stage file with the game's own reader and reports, in file order,
// everything that would spoil the course: text the reader stumbles on,
// comments it will not skip, missing stages, cut-short records, values that
// make no sense in play, and figures the player could not see or reach.
#include <vector>

#include "tools/course_checker/diagnostic.h"
#include "tools/course_checker/source_text.h"

namespace course {

std::vector<Diagnostic> check_course(const SourceText& source);

}  // namespace course
