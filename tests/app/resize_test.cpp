#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/pointer.h"
#include "states/gamesystem.h"
#include "states/state.h"
#include "tests/support/screen_pointer.h"

namespace {

class TestSystem final : public Gamesystem {};
class Scene final : public State {};

class Resize : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!display_available()) return;
    int argc = 1;
    char name[] = "resize_test";
    char* argv[] = {name, nullptr};
    glutInitWindowPosition(37, 53);
    glutInitWindowSize(600, 600);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow("resize test");
    platform::set_pointer_backend(&platform::glut_pointer_backend());
  }
  void SetUp() override {
    if (!display_available()) GTEST_SKIP() << kNoDisplayReason;
  }
  TestSystem sys;
  Scene scene;
};

struct SizeCase {
  int w, h;
  int pointer_x, pointer_y;
};

TEST_F(Resize, SetsViewportProjectionStoredSizeAndPointer) {
  for (const SizeCase c : {SizeCase{800, 500, 400, 250}, SizeCase{601, 599, 300, 299}}) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
    scene.resize(c.w, c.h, &sys);
    EXPECT_EQ(sys.width, c.w);
    EXPECT_EQ(sys.height, c.h);

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], c.w);
    EXPECT_EQ(viewport[3], c.h);

    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double f = 1.0 / std::tan(30.0 * M_PI / 180.0);
    const double aspect = static_cast<double>(c.w) / c.h;
    EXPECT_NEAR(projection[5], f, 1e-5);
    EXPECT_NEAR(projection[0], f / aspect, 1e-5);
    EXPECT_NEAR(projection[10], -(300.0 + 1.0) / (300.0 - 1.0), 1e-5);
    GLint mode;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);

    glutGet(GLUT_WINDOW_X);  // a round trip: the warp has been handled
    int x = 0, y = 0;
    ASSERT_TRUE(pointer_on_screen(x, y));
    EXPECT_EQ(x, c.pointer_x);
    EXPECT_EQ(y, c.pointer_y);
  }
}

// A window taller than wide sees 60 degrees across, like a square window of
// its width; one wider than high keeps 60 degrees up.
TEST_F(Resize, TheSmallerSideSeesSixtyDegrees) {
  const double f = 1.0 / std::tan(30.0 * M_PI / 180.0);
  for (const SizeCase c : {SizeCase{500, 1000, 250, 500}, SizeCase{599, 601, 299, 300}, SizeCase{1000, 500, 500, 250}}) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
    scene.resize(c.w, c.h, &sys);
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double aspect = static_cast<double>(c.w) / c.h;
    EXPECT_NEAR(std::max(projection[0], projection[5]), f, 1e-5);
    EXPECT_NEAR(projection[0] * aspect, projection[5], 1e-5);
  }
}

TEST_F(Resize, ZeroHeightKeepsAFiniteProjection) {
  scene.resize(640, 0, &sys);
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  for (const double value : projection) EXPECT_TRUE(std::isfinite(value));
}

}  // namespace
