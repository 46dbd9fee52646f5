#pragma once
// The progress file: one decimal integer, 1 + the hardest course completed.
#include <cstdint>
#include <istream>

// Reads one integer as formatted extraction does (white space skipped, an
// optional sign, decimal digits). Leaves value alone and returns false when
// the stream does not begin with a number that fits.
bool read_progress(std::istream& in, std::int32_t& value);

// The same for a file; a missing file reads as nothing.
bool read_progress_file(const char* filename, std::int32_t& value);

// Replaces the file with the value as text, atomically. False on failure, in
// which case the old file is untouched.
bool write_progress_file(const char* filename, std::int32_t value);
