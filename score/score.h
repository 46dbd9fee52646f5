#pragma once
// The ranking: a best-first table of results kept in a text file.
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

class Score {
 public:
  Score() = default;
  explicit Score(std::string _filename);
  virtual ~Score() = default;

  int file_open(std::string _filename);
  int inputdata(clData data);
  virtual void outputdata() {}

  std::string filename;
  std::vector<clData> records;
};

class Console_Score : public Score {
 public:
  Console_Score() = default;
  explicit Console_Score(std::string filename);
  void outputdata() override;
};
