// The play frame in a real window, read back pixel by pixel.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "play/play_state.h"
#include "play/play_view.h"
#include "states/gamesystem.h"
#include "tests/play/range_figures.h"
#include "tests/support/gl_window.h"

namespace {

class TestSystem final : public Gamesystem {};

bool near_black(const unsigned char* p) { return p[0] <= 14 && p[1] <= 14 && p[2] <= 14; }
// A one-pixel line at a pixel boundary may land on either side of it.
bool near_black_around(const Frame& frame, int x, int y) {
  return near_black(frame.at(x, y)) || near_black(frame.at(x - 1, y)) ||
         near_black(frame.at(x, y - 1)) || near_black(frame.at(x - 1, y - 1));
}
bool grey(const unsigned char* p) { return p[0] == p[1] && p[1] == p[2] && p[0] > 20 && p[0] < 200; }

class PlayFrame : public testing::Test {
 protected:
  void SetUp() override {
    if (!open_game_window("play view test")) GTEST_SKIP() << kNoDisplayReason;
    load_block_font(sys.kanji);  // the texts are drawn before the range
    play.resize(600, 600, &sys);
    initscope();
  }
  void TearDown() override { play.field.buttai_del(); }

  // A person of the given kind floating at a point of the range.
  void place_person(double x, double y, double z, double life, double size = 1.0) {
    ::place_person(play.field, x, y, z, life, size);
  }

  TestSystem sys;
  Play_State play;
};

TEST_F(PlayFrame, ScopeCrossHairAndRangeAtTheStart) {
  play.display(&sys);
  const Frame frame;
  // The mask covers the corners in the near-black of ambient light alone.
  for (const auto& corner : {std::make_pair(2, 2), std::make_pair(597, 2), std::make_pair(2, 597),
                             std::make_pair(597, 597)}) {
    const unsigned char* p = frame.at(corner.first, corner.second);
    EXPECT_NEAR(p[0], 10, 3) << corner.first << "," << corner.second;
  }
  // The cross-hair strokes reach about 52 pixels from the centre.
  EXPECT_TRUE(near_black_around(frame, 300, 300));
  EXPECT_TRUE(near_black_around(frame, 340, 300));
  EXPECT_TRUE(near_black_around(frame, 300, 260));
  EXPECT_FALSE(near_black(frame.at(340, 340)));
  // Grey walls to both sides, a two-coloured floor below.
  EXPECT_TRUE(grey(frame.at(40, 300)));
  EXPECT_TRUE(grey(frame.at(560, 300)));
  int blue = 0, green = 0;
  for (int y = 420; y < 580; ++y) {
    const unsigned char* p = frame.at(300, y);
    if (p[2] > p[1] + 20) ++blue;
    if (p[1] >= p[2] && p[1] > p[0]) ++green;
  }
  EXPECT_GT(blue, 20);
  EXPECT_GT(green, 20);
}

TEST_F(PlayFrame, TheViewTurnsButTheOverlayStays) {
  play.display(&sys);
  const Frame straight;
  play.yaw = 30;
  play.pitch = 15;
  play.display(&sys);
  const Frame turned;
  int changed = 0;
  for (int y = 150; y < 450; y += 10) {
    for (int x = 150; x < 450; x += 10) {
      if (std::memcmp(straight.at(x, y), turned.at(x, y), 3) != 0) ++changed;
    }
  }
  EXPECT_GT(changed, 100);
  EXPECT_TRUE(near_black_around(turned, 300, 300));
  EXPECT_TRUE(near_black(turned.at(2, 2)));
  // Looking down, the horizon rises: the centre shows floor, not sky.
  EXPECT_FALSE(turned.white(300, 310));
}

TEST_F(PlayFrame, FiguresShowTheirKindsColour) {
  // Three persons side by side, 40 units ahead at eye height.
  place_person(-6, 6, -40, 300);
  place_person(0, 6, -40, 200);
  place_person(6, 6, -40, 100);
  play.display(&sys);
  const Frame frame;
  // Lit spheres: the dominant channel tells the colour; x = 300 ± 6/40 of the half-width.
  auto dominant = [&](int x) {
    const unsigned char* p = frame.at(x, 296);
    return p[1] > p[0] + 40 && p[1] > p[2] + 40 ? 'g' : p[2] > p[0] + 40 && p[2] > p[1] + 40 ? 'b'
           : p[0] > p[1] + 40 && p[0] > p[2] + 40                                           ? 'r'
                                                                                            : '?';
  };
  const int offset = static_cast<int>(std::lround(300 * (6.0 / 40.0) / std::tan(M_PI / 6)));
  EXPECT_EQ(dominant(300 - offset), 'g');
  EXPECT_EQ(dominant(300 + 8), 'b');
  EXPECT_EQ(dominant(300 + offset), 'r');
  // Drawing the figures leaves the scope intact.
  EXPECT_TRUE(near_black(frame.at(2, 2)));
  EXPECT_TRUE(near_black_around(frame, 340, 300));
}

// Figures are drawn from compiled, back-face-culled spheres: the picture must
// be exactly the toolkit's own sphere, on the first draw and on later ones.
TEST_F(PlayFrame, FiguresLookExactlyLikeTheToolkitsSpheres) {
  for (int i = 0; i < 12; ++i) {
    place_person(-20 + 3.5 * i, 1 + (i % 4) * 3, -25 - 15 * i, 100.0 * (1 + i % 3), 0.5 + (i % 3) * 0.5);
  }
  auto set_view = [] {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslated(0, -6, 0);
    const float lightpos[4] = {3.0f, 40.0f, 5.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, lightpos);
  };
  const float colours[3][4] = {{1, 0, 0, 1}, {0, 0, 1, 1}, {0, 1, 0, 1}};
  set_view();
  for (const auto& person : play.field.hitoset) {
    glPushMatrix();
    glTranslated(person->pos.x, person->pos.y, person->pos.z);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, colours[static_cast<int>(person->life) / 100 - 1]);
    glutSolidSphere(person->radius, 10, 10);
    glPopMatrix();
  }
  const Frame reference;
  for (int pass = 0; pass < 2; ++pass) {
    set_view();
    play.field.draw_buttai();
    const Frame drawn;
    int differing = 0;
    for (int y = 0; y < 600; ++y) {
      for (int x = 0; x < 600; ++x) differing += std::memcmp(drawn.at(x, y), reference.at(x, y), 3) != 0;
    }
    EXPECT_EQ(differing, 0) << "pass " << pass;
  }
}

}  // namespace
