#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "text/font_format.h"
#include "text/glkanji.h"

namespace {

using Bytes = std::vector<unsigned char>;

class FontLoad : public testing::Test {
 protected:
  std::string write(const std::string& name, const Bytes& contents) {
    const std::string path = testing::TempDir() + "font_load_" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    EXPECT_NE(f, nullptr);
    if (f == nullptr) return path;
    std::fwrite(contents.data(), 1, contents.size(), f);
    std::fclose(f);
    written_.push_back(path);
    return path;
  }
  void TearDown() override {
    for (const std::string& path : written_) std::remove(path.c_str());
  }

  // A loaded font, to see that failures empty it.
  void load_good(qon::glKanji& font) {
    ASSERT_TRUE(font.load(write("good", qon::encode_font(16, Bytes(64, 0x5A))).c_str()));
    ASSERT_EQ(font.charCount, 2);
  }

 private:
  std::vector<std::string> written_;
};

TEST_F(FontLoad, CountsWholeGlyphsAndKeepsTheRest) {
  Bytes table(1000);
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<unsigned char>(i * 7);
  qon::glKanji font(qon::kShiftJis);
  ASSERT_TRUE(font.load(write("1000", qon::encode_font(16, table)).c_str()));
  EXPECT_EQ(font.size, 16);
  EXPECT_EQ(font.charBytes, 32);
  EXPECT_EQ(font.charCount, 31);
  EXPECT_EQ(font.data, table);
  EXPECT_EQ(font.getChar(30), font.data.data() + 960);
  EXPECT_EQ(font.code, qon::kShiftJis);
}

TEST_F(FontLoad, ConstructorWithANameLoads) {
  const qon::glKanji font(write("ctor", qon::encode_font(9, Bytes(18 * 3, 1))).c_str(), qon::kEucJp);
  EXPECT_EQ(font.size, 9);
  EXPECT_EQ(font.charBytes, 18);
  EXPECT_EQ(font.charCount, 3);
  EXPECT_EQ(font.code, qon::kEucJp);
}

TEST_F(FontLoad, BadOrMissingFileLeavesTheFontEmpty) {
  const struct {
    const char* name;
    Bytes contents;
  } cases[] = {
      {"too_short", {16, 0, 0}},
      {"size_0", {0, 0, 0, 0, 0x80, 1}},
      {"size_negative", {0xF0, 0xFF, 0xFF, 0xFF, 0x80, 1}},
      {"size_65", {65, 0, 0, 0, 0x80, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    qon::glKanji font(qon::kShiftJis);
    load_good(font);
    EXPECT_FALSE(font.load(write(c.name, c.contents).c_str()));
    EXPECT_EQ(font.size, 0);
    EXPECT_EQ(font.charBytes, 0);
    EXPECT_EQ(font.charCount, 0);
    EXPECT_TRUE(font.data.empty());
  }
  qon::glKanji font(qon::kShiftJis);
  load_good(font);
  EXPECT_FALSE(font.load((testing::TempDir() + "font_load_no_such_file").c_str()));
  EXPECT_EQ(font.charCount, 0);
  EXPECT_TRUE(font.data.empty());
  EXPECT_FALSE(font.load(testing::TempDir().c_str()));  // a folder
  EXPECT_TRUE(font.data.empty());
}

// Literal packets of 128 bytes, which decode to almost as many bytes as they
// take, filling a file of exactly the given size.
Bytes literal_font(std::size_t file_size) {
  Bytes file = {16, 0, 0, 0};
  while (file.size() < file_size) {
    file.push_back(127);
    for (int i = 0; i < 128; ++i) file.push_back(static_cast<unsigned char>(i));
  }
  file.resize(file_size);
  return file;
}

TEST_F(FontLoad, AFileOverTheSizeCapIsABadFont) {
  const struct {
    std::size_t file_size;
    bool loads;
  } cases[] = {
      {qon::kMaxFontFileBytes - 1, true},
      {qon::kMaxFontFileBytes, true},
      {qon::kMaxFontFileBytes + 1, false},
      {qon::kMaxFontFileBytes + 200000, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file_size);
    qon::glKanji font(qon::kShiftJis);
    load_good(font);
    const std::string path = write("capped", literal_font(c.file_size));
    EXPECT_EQ(font.load(path.c_str()), c.loads);
    if (c.loads) {
      // Whole packets only: the last one is cut off by the file's end.
      const std::size_t packets = (c.file_size - 4) / 129;
      EXPECT_EQ(font.data.size(), packets * 128);
      EXPECT_EQ(font.charCount, static_cast<int>(packets * 128 / 32));
    } else {
      EXPECT_EQ(font.size, 0);
      EXPECT_EQ(font.charCount, 0);
      EXPECT_TRUE(font.data.empty());
    }
  }
}

TEST_F(FontLoad, TheShippedFontIsWellUnderTheCap) {
  qon::glKanji font(QS_FONT_FILE, qon::kShiftJis);
  EXPECT_GT(font.charCount, 0);
  std::FILE* f = std::fopen(QS_FONT_FILE, "rb");
  ASSERT_NE(f, nullptr);
  std::fseek(f, 0, SEEK_END);
  const long size = std::ftell(f);
  std::fclose(f);
  EXPECT_LT(static_cast<std::size_t>(size) * 4, qon::kMaxFontFileBytes);
}

TEST_F(FontLoad, NullNameChangesNothing) {
  qon::glKanji font(qon::kShiftJis);
  load_good(font);
  EXPECT_FALSE(font.load(nullptr));
  EXPECT_EQ(font.charCount, 2);
  EXPECT_EQ(font.data.size(), 64u);
}

TEST_F(FontLoad, FileCutInsideAPacketKeepsTheCompletePackets) {
  Bytes file = qon::encode_font(16, Bytes(40, 0));  // repeats of 40 zeros
  file.insert(file.end(), {0x05, 1, 2});            // six literals promised, two given
  qon::glKanji font(qon::kShiftJis);
  ASSERT_TRUE(font.load(write("cut", file).c_str()));
  EXPECT_EQ(font.data, Bytes(40, 0));
  EXPECT_EQ(font.charCount, 1);
}

}  // namespace
