// Drawing: every object is a lit shape at its position; its colour is the
// front-face diffuse material (lighting is on, colour tracking off).
#include <GL/freeglut.h>
#include <GL/glx.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>

#include "world/buttai.h"

namespace {

// Slices arrive as a double; NaN and out-of-range values must not reach the
// int conversion.
int slice_count(double slices) {
  if (std::isnan(slices)) return 0;
  constexpr double kLow = std::numeric_limits<int>::min();
  constexpr double kHigh = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(slices, kLow, kHigh));
}

// The toolkit builds a sphere's geometry anew on every call, which made the
// figures most of a frame's cost. Each shape is compiled into a display list
// the first time it is drawn in a context and replayed after that.
void solid_sphere(double radius, int slices) {
  using Key = std::tuple<GLXContext, double, int>;
  static std::map<Key, GLuint> lists;
  constexpr std::size_t kMaxLists = 256;
  constexpr int kMaxSlices = 64;  // finer spheres are drawn directly
  const Key key{glXGetCurrentContext(), radius, slices};
  const auto found = lists.find(key);
  if (found != lists.end()) {
    // A closed sphere's back faces are always hidden by its front: skipping
    // them halves the rasterising without changing a pixel.
    glEnable(GL_CULL_FACE);
    glCallList(found->second);
    glDisable(GL_CULL_FACE);
    return;
  }
  const GLuint list = slices > 0 && slices <= kMaxSlices && lists.size() < kMaxLists ? glGenLists(1) : 0;
  if (list == 0) {
    glutSolidSphere(radius, slices, slices);
    return;
  }
  glNewList(list, GL_COMPILE_AND_EXECUTE);
  glutSolidSphere(radius, slices, slices);
  glEndList();
  lists.emplace(key, list);
}

}  // namespace

void buttai::draw() {
  draw1();
  draw2();
  draw3();
}

void buttai::draw1() {
  glPushMatrix();
  glTranslated(pos.x, pos.y, pos.z);
}

void buttai::draw3() { glPopMatrix(); }

void buttai::draw2() {
  double r = 0.0, g = 0.0, b = 0.0, a = 0.0;
  calc(&r, &g, &b, &a);
  // A plain object is always red, whatever the hook wrote.
  r = 1.0;
  g = 0.0;
  b = 0.0;
  a = 1.0;
  static const float color[4] = {static_cast<float>(r), static_cast<float>(g),
                                 static_cast<float>(b), static_cast<float>(a)};
  draw_sphere(color);
}

void buttai::draw_sphere(const float (&color)[4]) const {
  glMaterialfv(GL_FRONT, GL_DIFFUSE, color);
  const int n = slice_count(slices);
  solid_sphere(radius, n);
}
