// The generated window font must draw every text the game shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/encoding.h"
#include "play/hud_texts.h"
#include "states/menu_texts.h"
#include "text/glkanji.h"
#include "text/glyph_slots.h"

namespace {

// Every text the menu and the play frame draw, in the Shift-JIS they are
// drawn in, and the digits and sign that fill in their numbers.
std::vector<std::string> drawn_texts() {
  std::vector<std::string> texts;
  for (const MenuText& text : menu_texts()) texts.push_back(text.sjis);
  for (const std::string& text : every_hud_text()) texts.push_back(text);
  texts.push_back("0123456789-");
  return texts;
}

bool blank(qon::glKanji& font, int slot) {
  const unsigned char* glyph = font.getChar(slot);
  for (int i = 0; i < font.charBytes; ++i) {
    if (glyph[i] != 0) return false;
  }
  return true;
}

class GeneratedFont : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(font.load(QS_FONT_FILE)) << QS_FONT_FILE; }
  static qon::glKanji font;
};

qon::glKanji GeneratedFont::font(qon::kShiftJis);

TEST_F(GeneratedFont, DrawsEveryCharacterOfTheGameTexts) {
  ASSERT_EQ(font.size, 16);
  const std::vector<std::string> texts = drawn_texts();
  ASSERT_GE(texts.size(), 7u + 15u + 18u);  // menu, play frame and rank titles
  for (const std::string& sjis : texts) {
    SCOPED_TRACE(platform::from_sjis(sjis));
    ASSERT_FALSE(sjis.empty()) << "a text that converted to nothing";
    const auto* s = reinterpret_cast<const unsigned char*>(sjis.c_str());
    while (*s != 0) {
      const qon::TextChar c = qon::read_char(s, font.code);
      ASSERT_NE(c.bytes, 0);
      ASSERT_GE(c.slot, 0);
      ASSERT_LT(c.slot, font.charCount);
      if (*s != ' ') {
        EXPECT_FALSE(blank(font, c.slot)) << "no glyph for slot " << c.slot;
      }
      s += c.bytes;
    }
  }
}

// print draws single bytes half a cell left of the pen: only the right half
// of their cells may hold pixels.
TEST_F(GeneratedFont, HalfWidthGlyphsFillOnlyTheRightHalf) {
  for (int b = 0x21; b <= 0x7E; ++b) {
    const unsigned char* glyph = font.getChar(b);
    bool right_half_used = false;
    for (int row = 0; row < font.size; ++row) {
      EXPECT_EQ(glyph[row * 2], 0) << "character " << static_cast<char>(b) << " row " << row;
      right_half_used = right_half_used || glyph[row * 2 + 1] != 0;
    }
    EXPECT_TRUE(right_half_used) << "character " << static_cast<char>(b);
  }
}

// Rows are stored bottom-up: an underscore lies in the first rows, a caret
// in the last ones.
TEST_F(GeneratedFont, RowsRunBottomUp) {
  const auto lit_rows = [](const unsigned char* glyph, int rows) {
    std::string lit;
    for (int row = 0; row < rows; ++row) lit += glyph[row * 2 + 1] != 0 ? '#' : '.';
    return lit;
  };
  const std::string underscore = lit_rows(font.getChar('_'), font.size);
  const std::string caret = lit_rows(font.getChar('^'), font.size);
  EXPECT_EQ(underscore.find_last_of('#'), underscore.find_first_of('#')) << underscore;
  EXPECT_LT(underscore.find_last_of('#'), 4u) << underscore;
  EXPECT_GE(caret.find_first_of('#'), 10u) << caret;
}

}  // namespace
