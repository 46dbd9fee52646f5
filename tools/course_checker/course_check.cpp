#include "tools/course_checker/course_check.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>

#include "tools/course_checker/spawner_check.h"
#include "world/stage_reader.h"

namespace course {
namespace {

bool is_record_field(StageField field) {
  return field != StageField::stage_count && field != StageField::spawner_count &&
         field != StageField::bullets;
}

bool is_decimal_field(StageField field) {
  return field == StageField::pos_x || field == StageField::pos_y ||
         field == StageField::pos_z || field == StageField::size;
}

std::size_t record_index(StageField field) {
  return static_cast<std::size_t>(field) - static_cast<std::size_t>(StageField::pos_x);
}

bool whole_number(std::string_view token) {
  std::size_t i = token.empty() || (token[0] != '+' && token[0] != '-') ? 0 : 1;
  if (i == token.size()) return false;
  for (; i < token.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(token[i]))) return false;
  }
  return true;
}

bool decimal_number(std::string_view token) {
  const std::string copy(token);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  return !copy.empty() && end == copy.c_str() + copy.size() && std::isfinite(value);
}

// The token as a message shows it: short, and with no control bytes.
std::string quoted(std::string_view token) {
  constexpr std::size_t kShown = 24;
  std::string shown = "'";
  for (const char c : token.substr(0, kShown)) {
    shown += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
  }
  return shown + (token.size() > kShown ? "...'" : "'");
}

std::string stage_name(int stage) { return "stage " + std::to_string(stage + 1); }

// What the reader reported, in order.
struct ReadEvent {
  enum Kind { value, skipped, failed } kind;
  StageField field;
  int record;
  std::size_t at;
  bool overflowed;
};

class EventLog final : public StageReadObserver {
 public:
  void value_read(StageField field, int record, std::streamoff at) override {
    events.push_back({ReadEvent::value, field, record, offset(at), false});
  }
  void line_skipped(std::streamoff at, bool overflowed) override {
    events.push_back({ReadEvent::skipped, StageField::stage_count, -1, offset(at), overflowed});
  }
  void read_failed(StageField field, int record, std::streamoff at) override {
    events.push_back({ReadEvent::failed, field, record, offset(at), false});
  }
  std::vector<ReadEvent> events;

 private:
  static std::size_t offset(std::streamoff at) {
    return at < 0 ? std::numeric_limits<std::size_t>::max() : static_cast<std::size_t>(at);
  }
};

class CourseChecker {
 public:
  explicit CourseChecker(const SourceText& source) : source_(source), in_(source.text()) {}

  std::vector<Diagnostic> run() {
    const int stage_count = read_stage_count(in_, &log_);
    stage_count_ = stage_count;
    take_events(-1);
    if (in_.fail()) return finish();
    if (stage_count <= 0) {
      error(stage_count_at_, "a stage count of " + std::to_string(stage_count) +
                                 " never ends the course: it must be 1 or more");
      return finish();
    }
    for (int stage = 0; stage < stage_count && !in_.fail(); ++stage) {
      const StageSection section = read_stage_section(in_, &log_);
      take_events(stage);
      check_section(stage, section);
    }
    if (!in_.fail()) check_rest(stage_count);
    return finish();
  }

 private:
  void error(std::size_t at, std::string message) {
    diagnostics_.push_back({at, Severity::error, std::move(message)});
  }
  void warning(std::size_t at, std::string message) {
    diagnostics_.push_back({at, Severity::warning, std::move(message)});
  }

  std::vector<Diagnostic> finish() {
    std::stable_sort(diagnostics_.begin(), diagnostics_.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.offset < b.offset; });
    return std::move(diagnostics_);
  }

  void take_events(int stage) {
    records_.clear();
    fields_read_.clear();
    for (const ReadEvent& event : log_.events) {
      switch (event.kind) {
        case ReadEvent::value: take_value(event); break;
        case ReadEvent::skipped:
          skip_end_ = next_line(event.at);
          if (event.overflowed) {
            error(event.at, "comment line longer than 127 characters: the reader fails on it, "
                            "so " + stage_name(stage) + " and every later stage read as empty");
          }
          break;
        case ReadEvent::failed: take_failure(event, stage); break;
      }
    }
    log_.events.clear();
  }

  void take_value(const ReadEvent& event) {
    if (event.field == StageField::stage_count) stage_count_at_ = event.at;
    if (event.field == StageField::bullets) bullets_at_ = event.at;
    if (is_record_field(event.field)) {
      const auto record = static_cast<std::size_t>(event.record);
      if (record >= records_.size()) {
        records_.resize(record + 1);
        fields_read_.resize(record + 1, 0);
      }
      records_[record][record_index(event.field)] = event.at;
      ++fields_read_[record];
    }
    if (event.at < spoiled_until_) return;  // the rest of a token already reported
    const std::string_view token = source_.token_at(event.at);
    const bool whole = is_decimal_field(event.field) ? decimal_number(token) : whole_number(token);
    if (!whole) {
      const bool fraction = !is_decimal_field(event.field) && decimal_number(token);
      error(event.at, std::string(stage_field_name(event.field)) + " " + quoted(token) +
                          (fraction ? " is not a whole number" : " is not a number") +
                          ": the reader takes its start and misreads what follows");
      spoiled_until_ = event.at + token.size();
      if (misread_from_ < 0) misread_from_ = std::max(event.record, 0);
    }
    value_end_ = event.at + token.size();
  }

  void take_failure(const ReadEvent& event, int stage) {
    if (event.at < spoiled_until_) return;
    const char* field = stage_field_name(event.field);
    const std::string stops =
        stage < 0 ? std::string("the course cannot be read")
                  : "the reader stops here, so " + stage_name(stage) +
                        " and every later stage read as empty";
    if (event.at >= source_.size()) {
      if (event.field == StageField::stage_count) {
        error(event.at, "the file is empty: it must start with the stage count");
      } else if (event.field == StageField::spawner_count) {
        error(event.at, "the file ends after " + std::to_string(stage) + " of " +
                            std::to_string(stage_count_) + " stages");
      } else if (event.field == StageField::pos_x) {
        error(event.at, stage_name(stage) + " is cut short: the file ends after " +
                            std::to_string(event.record) + " of its spawners");
      } else if (event.field == StageField::bullets) {
        error(event.at, stage_name(stage) + " is cut short: the file ends before its bullets");
      } else {
        error(event.at, stage_name(stage) + ", spawner " + std::to_string(event.record + 1) +
                            " is cut short: the file ends before its " + field);
      }
      return;
    }
    if (source_.text()[event.at] == '#') {
      comment_failure(event, stops);
      return;
    }
    const std::string_view token = source_.token_at(event.at);
    if (whole_number(token)) {
      error(event.at, std::string(field) + " " + quoted(token) + " is out of range; " + stops);
    } else {
      error(event.at, std::string("expected the ") + field + ", found " + quoted(token) + "; " + stops);
    }
  }

  void comment_failure(const ReadEvent& event, const std::string& stops) {
    const std::size_t hash_line = source_.line_start(event.at);
    if (event.field == StageField::stage_count) {
      error(event.at, "a comment before the stage count: the file must start with it; " + stops);
      return;
    }
    if (event.at != hash_line) {
      error(event.at, "'#' not in the first column: a comment must start its line; " + stops);
      return;
    }
    if (event.field != StageField::spawner_count) {
      error(event.at, "a comment inside a stage: comments may stand only right before a "
                      "stage's spawner count; " + stops);
      return;
    }
    // The skipping stopped on some blank or tab before the comment line.
    const std::size_t culprit = where_skipping_stops();
    const TextPosition comment = source_.position_of(event.at);
    error(culprit, "a blank or tab before the line end stops the skipping of comments: the "
                   "comment on line " + std::to_string(comment.line) + " is read as a number; " +
                       stops);
  }

  // Replays the comment skipping from where the last number or skipped line
  // ended, to find the character it stops on.
  std::size_t where_skipping_stops() const {
    const std::string& text = source_.text();
    std::size_t at = std::max(value_end_, skip_end_);
    while (at < text.size()) {
      const char c = text[at];
      const bool crlf = c == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
      if (c == '#' || c == '\n' || crlf) {
        at = next_line(at);
      } else {
        break;
      }
    }
    return at;
  }

  std::size_t next_line(std::size_t at) const {
    const std::size_t end = source_.text().find('\n', at);
    return end == std::string::npos ? source_.size() : end + 1;
  }

  void check_section(int stage, const StageSection& section) {
    // After a misread token the values no longer mean what they say.
    if (misread_before_) return;
    if (misread_from_ >= 0) {
      check_records(stage, section, static_cast<std::size_t>(misread_from_));
      misread_before_ = true;
      return;
    }
    if (in_.fail()) {
      // The failure is reported; only whole records are worth a look.
      check_records(stage, section, section.spawners.size());
      return;
    }
    if (section.spawner_count <= 0) {
      warning(bullets_at_, stage_name(stage) + " has no spawners: it is cleared at once");
    }
    if (section.bullets < 0) {
      warning(bullets_at_, stage_name(stage) + " takes " + std::to_string(-section.bullets) +
                               " bullets away");
    }
    check_records(stage, section, section.spawners.size());
    check_ammunition(stage, section);
  }

  // The first `count` records, as far as they were read whole.
  void check_records(int stage, const StageSection& section, std::size_t count) {
    for (std::size_t r = 0; r < count && r < section.spawners.size() && r < records_.size(); ++r) {
      if (fields_read_[r] < static_cast<int>(std::tuple_size_v<RecordOffsets>)) break;
      check_spawner(section.spawners[r], records_[r],
                    stage_name(stage) + ", spawner " + std::to_string(r + 1), diagnostics_);
    }
  }

  // Bullets carry over from stage to stage, so what counts is the running
  // total against the hits needed so far.
  void check_ammunition(int stage, const StageSection& section) {
    bullets_granted_ += section.bullets;
    for (const Canon_attrib& att : section.spawners) {
      if (att.num > 0 && att.kind >= 0 && att.kind <= 2) {
        hits_needed_ += static_cast<std::int64_t>(att.num) * (att.kind + 1);
      }
    }
    if (bullets_granted_ < hits_needed_) {
      const std::string stages =
          stage == 0 ? "stage 1 grants " : "stages 1 to " + std::to_string(stage + 1) + " grant ";
      warning(bullets_at_, stages + std::to_string(bullets_granted_) + " bullets for " +
                               std::to_string(hits_needed_) + " hits");
    }
  }

  // Anything but comments and blanks after the last stage is never read.
  void check_rest(int stage_count) {
    const std::string& text = source_.text();
    const std::streamoff read_to = in_.rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in);
    std::size_t at = read_to < 0 ? text.size() : static_cast<std::size_t>(read_to);
    while (at < text.size()) {
      if (std::isspace(static_cast<unsigned char>(text[at]))) {
        ++at;
      } else if (text[at] == '#' && at == source_.line_start(at)) {
        at = next_line(at);
      } else {
        warning(at, "text after the last stage (the stage count is " +
                        std::to_string(stage_count) + ") is never read");
        return;
      }
    }
  }

  const SourceText& source_;
  std::istringstream in_;
  EventLog log_;
  std::vector<Diagnostic> diagnostics_;
  std::vector<RecordOffsets> records_;  // where each record's fields stand
  std::vector<int> fields_read_;        // how many of them were read
  std::size_t stage_count_at_ = 0;
  std::size_t bullets_at_ = 0;
  std::size_t value_end_ = 0;      // just after the last number read
  std::size_t skip_end_ = 0;       // just after the last comment line skipped
  std::size_t spoiled_until_ = 0;  // the end of a token reported as bad
  int stage_count_ = 0;
  int misread_from_ = -1;        // the record of this section where a bad token stood
  bool misread_before_ = false;  // an earlier section had one
  std::int64_t bullets_granted_ = 0;
  std::int64_t hits_needed_ = 0;
};

}  // namespace

std::vector<Diagnostic> check_course(const SourceText& source) {
  return CourseChecker(source).run();
}

}  // namespace course
