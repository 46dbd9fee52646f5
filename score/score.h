#pragma once
// The ranking: a best-first table of results kept in a text file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class clData {
 public:
  std::int32_t point = 0;
  std::int32_t stage = 0;
  std::int32_t hitrate = 0;
  std::string title;  // Shift-JIS bytes, one word
};

// The table keeps this many results; the one that falls off the end is lost.
inline constexpr std::size_t kRankingLimit = 20;

class Score {
 public:
  Score() = default;
  // Starts empty and loads the named file.
  explicit Score(std::string _filename);
  virtual ~Score() = default;

  // Remembers the file name and appends the file's records to the table.
  // A missing or malformed file simply yields fewer records. Always 0.
  int file_open(std::string _filename);

  // Enters a result after every record with as many points or more, drops the
  // last record if the table outgrows the limit, rewrites the file, and returns
  // the 1-based rank the result was entered at (limit + 1 when it fell off).
  // The result stays in the table even when the file cannot be written.
  int inputdata(clData data);

  // Rewrites the whole file atomically: after a failure (no name, an unwritable
  // folder, a full disk) the old file is still there, byte for byte.
  bool save() const;

  virtual void outputdata() {}

  std::string filename;
  std::vector<clData> records;
};

// Lists the best ten on the console.
class Console_Score : public Score {
 public:
  Console_Score() = default;
  explicit Console_Score(std::string _filename);
  void outputdata() override;
};
