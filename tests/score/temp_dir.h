#pragma once
// A private folder for the files of one test, removed with everything in it.
#include <filesystem>
#include <ostream>
#include <string>

#include "score/score.h"

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& contents);

bool operator==(const clData& a, const clData& b);
void PrintTo(const clData& record, std::ostream* os);
