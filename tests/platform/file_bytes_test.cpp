// The one whole-file reader: every byte, up to its ceiling and not one more.
#include "platform/file_bytes.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class ReadFile : public testing::Test {
 protected:
  ReadFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qs-platform-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
  }
  ~ReadFile() override {
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  }

  std::string write(const std::string& name, const Bytes& contents) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(contents.data()), static_cast<std::streamsize>(contents.size()));
    return path;
  }

  std::filesystem::path folder_;
};

// Bytes of every value, NULs and line ends included, in a pattern that shows
// a piece read twice or dropped.
Bytes pattern(std::size_t n) {
  Bytes bytes(n);
  for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(i * 131 + i / 256);
  return bytes;
}

TEST_F(ReadFile, ReadsEveryByteUpToTheLimit) {
  const struct {
    std::size_t size, limit;
    bool read;
  } cases[] = {
      {0, 0, true},           {0, 10, true},          {1, 0, false},
      {1, 1, true},           {100, 99, false},       {100, 100, true},
      {16384, 16384, true},   {16385, 16384, false},  {16385, 16385, true},
      {40000, 40000, true},   {40000, 39999, false},  {40000, 16384, false},
      {100000, 1 << 20, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " bytes, limit " << c.limit);
    const Bytes contents = pattern(c.size);
    const auto got = platform::read_file(write("file", contents).c_str(), c.limit);
    ASSERT_EQ(got.has_value(), c.read);
    if (c.read) {
      EXPECT_EQ(*got, contents);
    }
  }
}

TEST_F(ReadFile, WhatCannotBeReadAsAWholeFileIsNothing) {
  const struct {
    const char* what;
    std::string path;
  } cases[] = {
      {"missing", (folder_ / "no-such-file").string()},
      {"folder", folder_.string()},
      {"endless device", "/dev/zero"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(platform::read_file(c.path.c_str(), 1 << 20).has_value());
  }
  EXPECT_FALSE(platform::read_file(nullptr, 1 << 20).has_value());
}

}  // namespace
