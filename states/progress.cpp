#include "states/progress.h"

#include <fstream>
#include <string>

#include "platform/atomic_file.h"

bool read_progress(std::istream& in, std::int32_t& value) {
  std::int32_t read = 0;
  if (!(in >> read)) return false;
  value = read;
  return true;
}

bool read_progress_file(const char* filename, std::int32_t& value) {
  std::ifstream in(filename);
  return in.is_open() && read_progress(in, value);
}

bool write_progress_file(const char* filename, std::int32_t value) {
  return platform::write_file_atomically(filename, std::to_string(value));
}
