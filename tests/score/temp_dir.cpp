#include "tests/score/temp_dir.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>
#include <vector>

TempDir::TempDir() {
  const std::string pattern = (std::filesystem::temp_directory_path() / "qs-score-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = name.data();
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const std::string& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary);
  out << contents;
}

bool operator==(const clData& a, const clData& b) {
  return a.point == b.point && a.stage == b.stage && a.hitrate == b.hitrate && a.title == b.title;
}

void PrintTo(const clData& record, std::ostream* os) {
  *os << '{' << record.point << ", " << record.stage << ", " << record.hitrate << ", \""
      << record.title << "\"}";
}
