#include "world/stage_reader.h"

namespace {

std::streamoff offset_of(std::istream& in) {
  // Asked of the buffer, so that the stream's state is left untouched.
  return std::streamoff(in.rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in));
}

// Reads one number; a failed read leaves 0. With an observer the leading
// whitespace is skipped first, to learn where the number starts; the
// extraction would skip exactly the same characters.
template <typename T>
bool read_value(std::istream& in, T& value, StageField field, int record,
                StageReadObserver* observer) {
  value = T{};
  if (in.fail()) return false;
  std::streamoff at = -1;
  if (observer != nullptr) {
    in >> std::ws;
    at = offset_of(in);
  }
  in >> value;
  if (in.fail()) {
    value = T{};
    if (observer != nullptr) observer->read_failed(field, record, at);
    return false;
  }
  if (observer != nullptr) observer->value_read(field, record, at);
  return true;
}

// Whether the carriage return that comes next has a newline right after
// it: the line end of a file with CR LF line ends. Consumes nothing. (Each
// peek at the end of the data would fail the stream, so callers peek once.)
bool crlf_next(std::istream& in) {
  in.get();
  const bool newline = in.peek() == '\n';
  in.unget();
  return newline;
}

// Throws away the rest of a line, its line end included, as a read into a
// 128-character buffer would: more than 127 characters before the line end
// fail the stream. A CR LF line end counts as one newline, so a comment
// line holds as much with either kind of line end.
bool skip_line(std::istream& in) {
  constexpr int kLineBuffer = 128;
  for (int kept = 0;; ++kept) {
    auto c = in.peek();
    if (c == '\r' && crlf_next(in)) {
      in.get();
      c = '\n';
    }
    if (c == std::char_traits<char>::eof()) return true;
    if (c == '\n') {
      in.get();
      return true;
    }
    if (kept == kLineBuffer - 1) {
      in.setstate(std::ios_base::failbit);
      return false;
    }
    in.get();
  }
}

void skip_comment_lines(std::istream& in, StageReadObserver* observer) {
  for (;;) {
    const auto next = in.peek();
    // A line that starts with a CR LF line end is a blank line; a CR alone
    // is an ordinary character and ends the skipping.
    if (next != '#' && next != '\n' && !(next == '\r' && crlf_next(in))) return;
    const std::streamoff at = observer != nullptr ? offset_of(in) : -1;
    const bool fitted = skip_line(in);
    if (observer != nullptr) observer->line_skipped(at, !fitted);
  }
}

}  // namespace

void StageReadObserver::value_read(StageField, int, std::streamoff) {}
void StageReadObserver::line_skipped(std::streamoff, bool) {}
void StageReadObserver::read_failed(StageField, int, std::streamoff) {}

const char* stage_field_name(StageField field) {
  switch (field) {
    case StageField::stage_count: return "stage count";
    case StageField::spawner_count: return "spawner count";
    case StageField::bullets: return "stage bullets";
    case StageField::pos_x: return "pos.x";
    case StageField::pos_y: return "pos.y";
    case StageField::pos_z: return "pos.z";
    case StageField::interval: return "interval";
    case StageField::angle: return "angle";
    case StageField::spread: return "spread";
    case StageField::speed: return "speed";
    case StageField::num: return "num";
    case StageField::delay: return "delay";
    case StageField::size: return "size";
    case StageField::kind: return "kind";
  }
  return "?";
}

int read_stage_count(std::istream& in, StageReadObserver* observer) {
  int count = 0;
  read_value(in, count, StageField::stage_count, -1, observer);
  return count;
}

StageSection read_stage_section(std::istream& in, StageReadObserver* observer) {
  StageSection section;
  skip_comment_lines(in, observer);
  read_value(in, section.spawner_count, StageField::spawner_count, -1, observer);
  read_value(in, section.bullets, StageField::bullets, -1, observer);

  // Once the stream fails, the remaining records would all be zero and
  // launch nothing: they are not read, however large the count claims to be.
  for (int record = 0; record < section.spawner_count && !in.fail(); ++record) {
    Canon_attrib a;
    const auto next = [&](auto& value, StageField field) {
      return read_value(in, value, field, record, observer);
    };
    if (!next(a.pos.x, StageField::pos_x)) break;
    next(a.pos.y, StageField::pos_y) && next(a.pos.z, StageField::pos_z) &&
        next(a.interval, StageField::interval) && next(a.angle, StageField::angle) &&
        next(a.spread, StageField::spread) && next(a.speed, StageField::speed) &&
        next(a.num, StageField::num) && next(a.delay, StageField::delay) &&
        next(a.size, StageField::size) && next(a.kind, StageField::kind);
    section.spawners.push_back(a);
  }
  return section;
}
