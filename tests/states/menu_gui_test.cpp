// The menu drawn in a real window: with a font whose glyphs are solid blocks,
// every text shows as a dark block whose top-left corner is the text's place.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <vector>

#include "states/gamesystem.h"
#include "states/menu_state.h"

namespace {

class TestSystem final : public Gamesystem {};

// Two-byte glyphs are solid; single-byte ones fill the right half of their
// cell, as real half-width glyphs do.
void load_block_font(qon::glKanji& kanji) {
  kanji.size = 16;
  kanji.charBytes = 32;
  kanji.charCount = 9374;
  kanji.data.assign(static_cast<std::size_t>(kanji.charCount) * 32, 0xFF);
  for (int slot = 0; slot < 255; ++slot) {
    for (int row = 0; row < 16; ++row) kanji.data[static_cast<std::size_t>(slot * 32 + row * 2)] = 0;
  }
}

class MenuFrame : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    int argc = 1;
    char name[] = "menu_gui_test";
    char* argv[] = {name, nullptr};
    glutInitWindowSize(600, 600);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("menu test");
    glClearColor(1, 1, 1, 0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
  }

  void SetUp() override {
    load_block_font(sys.kanji);
    menu.resize(600, 600, &sys);
  }

  // The frame as drawn, top row first; true where a pixel is dark.
  std::vector<bool> draw() {
    menu.display(&sys);
    std::vector<unsigned char> rgb(600 * 600 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, 600, 600, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    std::vector<bool> dark(600 * 600);
    for (int y = 0; y < 600; ++y) {
      for (int x = 0; x < 600; ++x) {
        dark[static_cast<std::size_t>(y * 600 + x)] = rgb[static_cast<std::size_t>(((599 - y) * 600 + x) * 3)] < 128;
      }
    }
    return dark;
  }

  TestSystem sys;
  Menu_State menu;
};

TEST_F(MenuFrame, TextsStandAtTheirPlacesByProgress) {
  struct Place {
    int x, y, needs;
  };
  const Place places[] = {{200, 100, 0}, {200, 180, 0}, {214, 210, 0}, {300, 210, 1},
                          {214, 260, 2}, {300, 260, 3}, {214, 330, 0}};
  for (int clearlevel = -1; clearlevel <= 3; ++clearlevel) {
    sys.clearlevel = clearlevel;
    const std::vector<bool> dark = draw();
    auto at = [&](int x, int y) { return dark[static_cast<std::size_t>(y * 600 + x)]; };
    for (const Place& p : places) {
      SCOPED_TRACE(testing::Message() << "clearlevel " << clearlevel << " text at " << p.x << "," << p.y);
      const bool shown = p.needs == 0 || clearlevel >= p.needs;
      EXPECT_EQ(at(p.x, p.y), shown);
      EXPECT_EQ(at(p.x, p.y + 15), shown);
      EXPECT_FALSE(at(p.x - 1, p.y));
      EXPECT_FALSE(at(p.x, p.y - 1));
      EXPECT_FALSE(at(p.x, p.y + 16));
    }
  }
}

TEST_F(MenuFrame, TextsAreNearlyBlackOnWhite) {
  sys.clearlevel = 0;
  menu.display(&sys);
  unsigned char title[3], background[3];
  glReadPixels(200, 599 - 100, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, title);
  glReadPixels(5, 5, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, background);
  EXPECT_LE(title[0], 15);
  EXPECT_EQ(background[0], 255);
  GLboolean light0 = GL_FALSE;
  glGetBooleanv(GL_LIGHT0, &light0);
  EXPECT_TRUE(light0);  // switched off only while the texts are drawn
}

}  // namespace
