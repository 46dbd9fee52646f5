// Drawing in a real GL context: the material each kind sets, the shape it
// draws and the matrix it leaves behind.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "tests/support/screen_pointer.h"
#include "tests/world/world_fixtures.h"
#include "world/building.h"
#include "world/mato.h"
#include "world/sniper_field.h"

namespace {

constexpr int kSize = 200;

using Rgba = std::array<float, 4>;

class Draw : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!display_available()) return;
    int argc = 1;
    char name[] = "draw_test";
    char* argv[] = {name, nullptr};
    glutInitWindowSize(kSize, kSize);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("draw test");
  }

  void SetUp() override {
    if (!display_available()) GTEST_SKIP() << kNoDisplayReason;
    // Looking down -z at the square [-1, 1]², lit head-on by light 0.
    glViewport(0, 0, kSize, kSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const GLfloat none[4] = {0, 0, 0, 0};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, none);
  }

  static Rgba material() {
    Rgba c{};
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, c.data());
    return c;
  }

  // The pixel at world (x, y) of the back buffer.
  static Rgba pixel(double x, double y) {
    Rgba c{};
    glReadBuffer(GL_BACK);
    const auto px = static_cast<GLint>((x + 1.0) / 2.0 * kSize);
    const auto py = static_cast<GLint>((y + 1.0) / 2.0 * kSize);
    glReadPixels(px, py, 1, 1, GL_RGBA, GL_FLOAT, c.data());
    return c;
  }
};

TEST_F(Draw, PersonsShowTheirHitsLeftByColour) {
  const struct {
    double life;
    Rgba colour;
  } cases[] = {
      {300.0, {0, 1, 0, 1}}, {201.0, {0, 1, 0, 1}}, {200.0, {0, 0, 1, 1}}, {101.5, {0, 0, 1, 1}},
      {101.0, {1, 0, 0, 1}}, {100.0, {1, 0, 0, 1}}, {0.5, {1, 0, 0, 1}},   {0.0, {0, 0, 0, 0}},
      {-100.0, {0, 0, 0, 0}}, {350.0, {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    auto person = standing_person({0, 0, 0}, c.life);
    person->draw();
    EXPECT_EQ(material(), c.colour) << "life " << c.life;
  }
}

TEST_F(Draw, AThreeHitPersonFadesGreenBlueRedThenBlack) {
  auto person = standing_person({0, 0, 0}, 300.0);
  const Rgba expected[] = {{0, 1, 0, 1}, {0, 0, 1, 1}, {1, 0, 0, 1}, {0, 0, 0, 0}};
  for (const Rgba& colour : expected) {
    person->draw();
    EXPECT_EQ(material(), colour) << "life " << person->life;
    person->action();
  }
}

// A hook that tries to paint its object white.
template <typename Kind>
class whitewashed final : public Kind {
 public:
  void calc(double* r, double* g, double* b, double* a) override { *r = *g = *b = *a = 1.0; }
};

TEST_F(Draw, FixedColoursIgnoreTheHook) {
  const Rgba red{1, 0, 0, 1};
  const Rgba dark{0.1f, 0.1f, 0.1f, 1};
  const Rgba grey{0.5f, 0.5f, 0.5f, 1};
  const struct {
    std::unique_ptr<buttai> obj;
    Rgba colour;
  } cases[] = {
      {std::make_unique<buttai>(), red},           {std::make_unique<whitewashed<buttai>>(), red},
      {std::make_unique<tama>(), dark},            {std::make_unique<whitewashed<tama>>(), dark},
      {std::make_unique<mato>(), dark},            {std::make_unique<building>(), grey},
  };
  for (const auto& c : cases) {
    c.obj->size = 0.1;
    c.obj->slices = 10.0;
    c.obj->syoki();
    c.obj->draw();
    EXPECT_EQ(material(), c.colour);
  }
}

TEST_F(Draw, DrawingLeavesTheMatrixAsItWas) {
  glTranslated(0.25, -0.5, 1.0);
  GLdouble before[16], after[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, before);
  auto person = standing_person({3, 4, 5});
  person->draw();
  building house;
  house.pos = VECTORD{-1, 2, -3};
  house.draw();
  glGetDoublev(GL_MODELVIEW_MATRIX, after);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(before[i], after[i]) << i;
}

TEST_F(Draw, SpheresAndCubesAreDrawnAtTheirPositionAndSize) {
  auto person = standing_person({0.5, 0, 0}, 100.0, 0.3 / 1.7320508);  // radius 0.3
  person->draw();
  EXPECT_GT(pixel(0.5, 0.0)[0], 0.5f);   // lit red at its centre
  EXPECT_LT(pixel(0.5, 0.0)[1], 0.1f);    // only the ambient glow
  EXPECT_GT(pixel(0.5, 0.25)[0], 0.0f);  // inside its radius
  EXPECT_EQ(pixel(0.5, 0.35)[0], 0.0f);  // outside
  EXPECT_EQ(pixel(0.0, 0.0)[0], 0.0f);

  building house;  // a cube of edge `radius`
  house.pos = VECTORD{-0.5, 0, 0};
  house.radius = 0.6;
  house.draw();
  EXPECT_GT(pixel(-0.5, 0.25)[0], 0.2f);
  EXPECT_EQ(pixel(-0.5, 0.35)[0], 0.0f);
}

TEST_F(Draw, TheFieldDrawsEveryList) {
  Sniper_Field field;
  field.buttai_insert(standing_person({0.5, 0.5, 0}, 100.0, 0.1));
  auto b = bullet({-0.5, 0.5, 0}, {0, 0, 0});
  field.buttai_insert(std::move(b));
  auto house = std::make_unique<building>();
  house->pos = VECTORD{0, -0.5, 0};
  house->radius = 0.2;
  field.buttai_insert(std::move(house));
  field.draw_buttai();
  EXPECT_GT(pixel(0.5, 0.5)[0], 0.5f);
  EXPECT_GT(pixel(-0.5, 0.5)[0], 0.0f);
  EXPECT_GT(pixel(0.0, -0.5)[0], 0.2f);
  EXPECT_EQ(pixel(0.0, 0.0)[0], 0.0f);
}

}  // namespace
