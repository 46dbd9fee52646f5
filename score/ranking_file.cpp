#include "score/ranking_file.h"

#include <locale>

namespace {

// The classic locale's whitespace, which is what formatted extraction skips.
bool is_space_byte(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The first byte of a two-byte Shift-JIS character.
bool is_lead_byte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// How many bytes of `title` to keep within `limit`: all of a title that
// fits, as the reader takes it back whatever its bytes; of a longer one,
// the whole characters that fit.
std::size_t whole_characters_within(std::string_view title, std::size_t limit) {
  if (title.size() <= limit) return title.size();
  std::size_t end = 0;
  while (end < title.size()) {
    const std::size_t length = is_lead_byte(title[end]) ? 2 : 1;
    if (end + length > limit) break;
    end += length;
  }
  return end;
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
  while (read_record(in, record)) {
    records.push_back(record);
  }
  in.imbue(previous);
  return records;
}

std::string file_title(std::string_view title) {
  if (title.empty()) return "-";
  std::string word(title.substr(0, whole_characters_within(title, kMaxTitleBytes)));
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
