#include "text/glyph_slots.h"

#include <gtest/gtest.h>

namespace {

TEST(Conversions, TwoByteCharactersFindTheirJisCodeAndSlot) {
  const struct {
    const char* name;
    int code;
    unsigned char c1, c2;
    unsigned char j1, j2;
    int slot;
  } cases[] = {
      {"Shift-JIS 0x93EF", qon::kShiftJis, 0x93, 0xEF, 0x46, 0x71, 3984},
      {"Shift-JIS 0x8F49", qon::kShiftJis, 0x8F, 0x49, 0x3D, 0x2A, 3049},
      {"Shift-JIS 0x8250", qon::kShiftJis, 0x82, 0x50, 0x23, 0x31, 560},
      {"Shift-JIS lead from 0xE0", qon::kShiftJis, 0xE0, 0x40, 0x5F, 0x21, 6304},
      {"Shift-JIS last cell of an odd row", qon::kShiftJis, 0x89, 0x9E, 0x31, 0x7E, 1981},
      {"Shift-JIS first cell of an even row", qon::kShiftJis, 0x89, 0x9F, 0x32, 0x21, 1984},
      {"EUC-JP 0xC6F1", qon::kEucJp, 0xC6, 0xF1, 0x46, 0x71, 3984},
      {"JIS first character", -1, 0x21, 0x21, 0x21, 0x21, 352},
      {"JIS last character", -1, 0x7E, 0x7E, 0x7E, 0x7E, 9373},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    unsigned char j1 = c.c1;
    unsigned char j2 = c.c2;
    if (c.code == qon::kShiftJis) qon::sjis2jis(&j1, &j2);
    if (c.code == qon::kEucJp) qon::euc2jis(&j1, &j2);
    EXPECT_EQ(j1, c.j1);
    EXPECT_EQ(j2, c.j2);
    EXPECT_EQ(qon::glyph_slot(j1, j2), c.slot);
    // Raw JIS bytes are printable single bytes, so only the two encodings
    // reach two-byte glyphs from a string.
    if (c.code == qon::kShiftJis || c.code == qon::kEucJp) {
      const unsigned char text[] = {c.c1, c.c2, 0};
      const qon::TextChar ch = qon::read_char(text, c.code);
      EXPECT_EQ(ch.slot, c.slot);
      EXPECT_EQ(ch.bytes, 2);
    }
  }
}

TEST(ReadChar, PrintableBytesStandAloneAndOthersLeadAPair) {
  constexpr int kAnySlot = -1;
  const struct {
    const char* name;
    const char* text;
    int slot;
    int bytes;
  } cases[] = {
      {"space", " ", 0x20, 1},
      {"letter", "A", 0x41, 1},
      {"tilde", "~", 0x7E, 1},
      {"tab leads a pair", "\tA", kAnySlot, 2},
      {"delete leads a pair", "\x7F" "A", kAnySlot, 2},
      {"lead byte at the end", "\x93", kAnySlot, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const qon::TextChar ch = qon::read_char(reinterpret_cast<const unsigned char*>(c.text), qon::kShiftJis);
    EXPECT_EQ(ch.bytes, c.bytes);
    if (c.slot != kAnySlot) {
      EXPECT_EQ(ch.slot, c.slot);
    }
  }
}

}  // namespace
