// Drawing strings in a real window: where the glyphs land and what GL state
// print leaves behind.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/screen_pointer.h"
#include "text/font_format.h"
#include "text/glkanji.h"
#include "text/glyph_slots.h"

namespace {

constexpr int kWindow = 600;
constexpr int kSide = 16;
constexpr int kGlyphBytes = 32;

// Full-width glyphs: the left column and the top row, so that each glyph's
// left edge and top show. Half-width glyphs: the right half of the cell, as
// the real font has them. Rows are stored bottom-up.
std::vector<unsigned char> test_table(int glyphs) {
  std::vector<unsigned char> table(static_cast<std::size_t>(glyphs * kGlyphBytes), 0);
  for (int slot = 0; slot < glyphs; ++slot) {
    unsigned char* glyph = table.data() + slot * kGlyphBytes;
    for (int row = 0; row < kSide; ++row) {
      if (slot < 255) {
        glyph[row * 2 + 1] = 0xFF;
      } else {
        glyph[row * 2] = row == kSide - 1 ? 0xFF : 0x80;
        glyph[row * 2 + 1] = row == kSide - 1 ? 0xFF : 0x00;
      }
    }
  }
  return table;
}

void load(qon::glKanji& font, int glyphs, const char* name) {
  const std::string path = testing::TempDir() + name;
  const std::vector<unsigned char> file = qon::encode_font(kSide, test_table(glyphs));
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(file.data(), 1, file.size(), f);
  std::fclose(f);
  ASSERT_TRUE(font.load(path.c_str()));
  std::remove(path.c_str());
}

using Matrix = std::array<float, 16>;

Matrix matrix(GLenum which) {
  Matrix m{};
  glGetFloatv(which, m.data());
  return m;
}

GLint integer(GLenum which) {
  GLint value = 0;
  glGetIntegerv(which, &value);
  return value;
}

class Print : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!display_available()) return;
    int argc = 1;
    char name[] = "print_test";
    char* argv[] = {name, nullptr};
    glutInitWindowSize(kWindow, kWindow);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    glutCreateWindow("print test");
    // Every two-byte slot up to 0x93EF's, and an ASCII-only font.
    load(full, 3985, "print_full");
    load(ascii, 128, "print_ascii");
  }

  void SetUp() override {
    if (!display_available()) GTEST_SKIP() << kNoDisplayReason;
    glViewport(0, 0, kWindow, kWindow);
    glDrawBuffer(GL_BACK);
    glReadBuffer(GL_BACK);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    // A 3D scene's matrices, which text must ignore and keep.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1, 1, -1, 1, 1, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(3, -2, -10);
    glRotatef(30, 0, 1, 0);
  }

  // The window's pixels, read once drawing is done; y counts from the top.
  void read_pixels() {
    glFinish();
    pixels_.assign(kWindow * kWindow, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWindow, kWindow, GL_RED, GL_UNSIGNED_BYTE, pixels_.data());
  }
  bool lit(int x, int y) const { return pixels_[(kWindow - 1 - y) * kWindow + x] > 128; }
  int lit_count() const {
    int n = 0;
    for (const unsigned char p : pixels_) n += p > 128;
    return n;
  }
  // The pen in window pixels from the top-left corner.
  static std::array<int, 2> pen() {
    GLint position[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_CURRENT_RASTER_POSITION, position);
    return {position[0], kWindow - position[1]};
  }

  static qon::glKanji full;
  static qon::glKanji ascii;

 private:
  std::vector<unsigned char> pixels_;
};

qon::glKanji Print::full(qon::kShiftJis);
qon::glKanji Print::ascii(qon::kShiftJis);

TEST_F(Print, GlyphsLandFromTheTopLeftCornerAndAdvanceTheirWidth) {
  // Three two-byte characters (slots 3984, 3049, 560), then three letters.
  full.print(100, 50, "\x93\xEF\x8F\x49\x82\x50" "ABC");
  EXPECT_EQ(pen(), (std::array<int, 2>{172, 66}));
  read_pixels();
  for (int x = 90; x < 190; ++x) {
    const bool inside = x >= 100 && x < 172;
    EXPECT_EQ(lit(x, 50), inside) << "top row, x " << x;
    EXPECT_FALSE(lit(x, 49)) << "above, x " << x;
    EXPECT_FALSE(lit(x, 66)) << "below, x " << x;
    // Below the top row: the left columns of the two-byte glyphs at 100,
    // 116 and 132, then the letters' 8 pixels each.
    const bool column = x < 148 ? inside && (x - 100) % 16 == 0 : inside;
    EXPECT_EQ(lit(x, 51), column) << "x " << x;
    EXPECT_EQ(lit(x, 65), column) << "bottom row, x " << x;
  }
  EXPECT_EQ(lit_count(), 72 + 15 * (3 + 24));
}

TEST_F(Print, MissingGlyphsDrawNothingAndLeaveThePen) {
  const struct {
    const char* name;
    const char* text;
    int pen_x;
  } cases[] = {
      {"two-byte character beyond the font", "A\x93\xEF" "B", 116},
      {"tab starts a two-byte character", "A\tBC", 116},
      {"lead byte before the end", "AB\x93", 116},
      {"nothing printable", "\x93\xEF", 100},
      {"a pair whose slot is negative", "A\x7F\x20" "B", 116},
  };
  const auto* negative = reinterpret_cast<const unsigned char*>("\x7F\x20");
  ASSERT_LT(qon::read_char(negative, qon::kShiftJis).slot, 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    glClear(GL_COLOR_BUFFER_BIT);
    ascii.print(100, 50, c.text);
    EXPECT_EQ(pen()[0], c.pen_x);
    read_pixels();
    EXPECT_EQ(lit_count(), 16 * (c.pen_x - 100));
  }
}

TEST_F(Print, RestoresTheMatricesAndSelectsModelview) {
  const Matrix projection = matrix(GL_PROJECTION_MATRIX);
  const Matrix modelview = matrix(GL_MODELVIEW_MATRIX);
  for (const GLenum mode : {GL_PROJECTION, GL_MODELVIEW, GL_TEXTURE}) {
    glMatrixMode(mode);
    full.print(10, 10, "Quorrelstead");
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), projection);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), modelview);
  }
}

TEST_F(Print, EmptyStringStillSetsTheUnpackAlignmentAndMode) {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glMatrixMode(GL_PROJECTION);
  full.print(100, 50, "");
  EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 1);
  EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
  read_pixels();
  EXPECT_EQ(lit_count(), 0);
}

TEST_F(Print, EmptyFontOrNullStringTouchesNoState) {
  qon::glKanji empty(qon::kShiftJis);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glMatrixMode(GL_PROJECTION);
  empty.print(100, 50, "ABC");
  full.print(100, 50, nullptr);
  EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 4);
  EXPECT_EQ(integer(GL_MATRIX_MODE), GL_PROJECTION);
  read_pixels();
  EXPECT_EQ(lit_count(), 0);
}

// The start is the glyphs' bottom-left corner (x, y + size); had it been
// kept, each of these strings would show in part.
TEST_F(Print, StartOutsideTheViewportDrawsNothing) {
  const struct {
    int x, y;
  } starts[] = {{-1, 50}, {-20, 300}, {100, kWindow - kSide + 1}};
  for (const auto& s : starts) {
    SCOPED_TRACE(testing::Message() << s.x << ", " << s.y);
    glClear(GL_COLOR_BUFFER_BIT);
    full.print(s.x, s.y, "ABC\x93\xEF");
    read_pixels();
    EXPECT_EQ(lit_count(), 0);
  }
}

}  // namespace
