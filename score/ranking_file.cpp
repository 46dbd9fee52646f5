#include "score/ranking_file.h"

#include <locale>

namespace {

// The classic locale's whitespace, which is what formatted extraction skips.
bool is_space_byte(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads one record; false when any of its four fields fails to read.
bool read_record(std::istream& in, clData& record) {
  if (!(in >> record.point >> record.stage >> record.hitrate)) return false;
  // One byte over the bound tells an overlong title from one that just fits.
  in.width(static_cast<std::streamsize>(kMaxTitleBytes + 1));
  in >> record.title;
  return !in.fail() && record.title.size() <= kMaxTitleBytes;
}

void append_line(std::string& out, const clData& record) {
  out += std::to_string(record.point);
  out += "\t\t";
  out += std::to_string(record.stage);
  out += '\t';
  out += std::to_string(record.hitrate);
  out += '\t';
  out += file_title(record.title);
  out += '\n';
}

}  // namespace

std::vector<clData> read_records(std::istream& in) {
  // Numbers and whitespace must not depend on whatever locale the stream has.
  const std::locale previous = in.imbue(std::locale::classic());
  std::vector<clData> records;
  clData record;
  while (records.size() < kMaxLoadedRecords && read_record(in, record)) {
    records.push_back(record);
  }
  in.imbue(previous);
  return records;
}

std::string file_title(std::string_view title) {
  if (title.empty()) return "-";
  std::string word(title);
  // Shift-JIS trail bytes are never below 0x40, so this cannot split a character.
  for (char& c : word) {
    if (is_space_byte(c)) c = '_';
  }
  return word;
}

std::string format_records(const std::vector<clData>& records) {
  std::string out;
  out.reserve(records.size() * 32);
  for (const clData& record : records) append_line(out, record);
  return out;
}
