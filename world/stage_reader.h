#pragma once
// Reading a course's stage file: the stage count, then one section per
// stage. Numbers are read by formatted extraction, so they may be spread
// over lines in any way. Only right before a section's spawner count may
// comment lines ("#" in the first column) and blank lines stand; each is
// skipped through a 128-character line buffer, so a longer line fails the
// stream. A carriage return there counts as part of a line end, so files
// with CR LF line ends keep their comments. A read that fails gives 0, and
// every read after it fails as well.
//
// The game and the course checker read through these same functions; the
// checker listens through an observer to learn where each value stood.
#include <ios>
#include <istream>
#include <vector>

#include "world/canon.h"

enum class StageField {
  stage_count,
  spawner_count,
  bullets,
  pos_x,
  pos_y,
  pos_z,
  interval,
  angle,
  spread,
  speed,
  num,
  delay,
  size,
  kind,
};

// The field's name as a course author knows it, e.g. "spawner count", "pos.x".
const char* stage_field_name(StageField field);

// Told where things stand, as offsets into the stream (-1 where the stream
// cannot tell, such as a pipe). `record` counts a section's spawner records
// from 0 and is -1 for the stage count, spawner count and bullets.
class StageReadObserver {
 public:
  virtual ~StageReadObserver() = default;
  // A number was read; `at` is where its text starts.
  virtual void value_read(StageField field, int record, std::streamoff at);
  // A comment or blank line starting at `at` was skipped. `overflowed` when
  // it did not fit the line buffer: the stream has failed there.
  virtual void line_skipped(std::streamoff at, bool overflowed);
  // The read that failed the stream: `at` is where its text would start,
  // the end of the data when it ran out. Nothing is read after it.
  virtual void read_failed(StageField field, int record, std::streamoff at);
};

// One stage section as read.
struct StageSection {
  int spawner_count = 0;
  int bullets = 0;
  // The records read, in file order: at most spawner_count, and none after
  // the stream failed. A record cut short keeps the fields it got; the
  // others are 0.
  std::vector<Canon_attrib> spawners;
};

// The first number of the file.
int read_stage_count(std::istream& in, StageReadObserver* observer = nullptr);

// The next section: its comment lines, counts and records.
StageSection read_stage_section(std::istream& in, StageReadObserver* observer = nullptr);
