#pragma once
// The ranking file's text form: one record per line, "point\t\tstage\thitrate\ttitle".
#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "score/score.h"

// The longest title that is read or written, so that a corrupt or hostile
// file cannot make one word without end.
inline constexpr std::size_t kMaxTitleBytes = 255;

// Reads records by formatted extraction (three integers and a word, each after
// any whitespace) until the input ends or a field does not read: a non-number,
// a number outside int32, or an overlong title. Records read before that point
// are returned, however many there are: every record a player saved is kept
// through the next save. Any bytes are safe input.
std::vector<clData> read_records(std::istream& in);

// The file's contents for a table, in table order. A title that could not be
// read back as one word (empty, or holding ASCII whitespace) is written with
// '-' for empty and '_' for each whitespace byte, and one longer than
// kMaxTitleBytes is cut to fit, so that the file always reads back as the
// same number of records.
std::string format_records(const std::vector<clData>& records);

// The title as it can stand in the file: one word of at most kMaxTitleBytes,
// cut after the last whole Shift-JIS character that fits.
std::string file_title(std::string_view title);
