// The generated window font must draw every text the game shows.
#include <gtest/gtest.h>

#include <string>

#include "platform/encoding.h"
#include "text/glkanji.h"
#include "text/glyph_slots.h"

namespace {

const char* const kGameTexts[] = {
    // Menu.
    "Quorrelstead", "難易度選択", "Basic(B)", "Advanced(A)", "Sniper(S)", "Extreme(E)", "終わる(Q)",
    // Heads-up display; the numbers come from the digits and sign below.
    "ステージ %d", "ステージ%d クリア!!", "LIFE:%d", "弾:%d", "%d COMBO!!", "0123456789-",
    "COMBO BONUS：LIFE+1!", "COMBO BONUS：LIFE+2!!", "COMBO BONUS：LIFE+3!!!",
    "COMBO BONUS：LIFE+5!!!", "COMBO BONUS：LIFE+10!!!!",
    // Results.
    "CLEAR!!!", "オールクリア!!!1流スナイパーの称号を授けます", "Try to Next Stage !!!",
    "命中率:%d％", "もう一度(Y) メニューに戻る(N)",
    // Rank titles.
    "称号:論外", "称号:へたれ", "称号:素人", "称号:一般人", "称号:夜店の射撃名人", "称号:警察官",
    "称号:火縄銃使い", "称号:マスケット銃士", "称号:１等小銃兵", "称号:１流スナイパー",
    "称号:ダブルオーセブン", "称号:ごるご１３",
};

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
  for (const char* text : kGameTexts) {
    SCOPED_TRACE(text);
    const std::string sjis = platform::to_sjis(text);
    ASSERT_EQ(platform::from_sjis(sjis), text) << "not all of it has a Shift-JIS form";
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
