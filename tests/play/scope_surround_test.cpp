// How far the scope's mask reaches: past every edge of the view, whatever
// the window's shape.
#include <gtest/gtest.h>

#include <cmath>

#include "play/scope_surround.h"

namespace {

// The projection matrix of gluPerspective, column-major.
void perspective(double fovy_degrees, double aspect, double m[16]) {
  const double f = 1.0 / std::tan(fovy_degrees * M_PI / 360.0);
  for (int i = 0; i < 16; ++i) m[i] = 0;
  m[0] = f / aspect;
  m[5] = f;
  m[10] = -301.0 / 299.0;
  m[11] = -1;
  m[14] = -600.0 / 299.0;
}

TEST(ScopeReach, PassesEveryEdgeOfTheView) {
  struct Case {
    double fovy, aspect;
  };
  for (const Case c : {Case{60, 1}, Case{60, 2}, Case{60, 1920.0 / 1080}, Case{98.21, 0.5}, Case{60, 8},
                       Case{150, 0.1}}) {
    SCOPED_TRACE(testing::Message() << c.fovy << " degrees, aspect " << c.aspect);
    double m[16];
    perspective(c.fovy, c.aspect, m);
    const double half_up = std::tan(c.fovy * M_PI / 360.0);
    const double half_across = half_up * c.aspect;
    const double reach = scope_reach(m);
    EXPECT_GE(reach, 1.5 * std::max(half_up, half_across));
    // It follows the view rather than a fixed distance.
    EXPECT_LE(reach, 3.0 * std::max(half_up, half_across));
  }
}

TEST(ScopeReach, DegenerateProjectionStillCovers) {
  double m[16] = {0};
  EXPECT_GT(scope_reach(m), 1000.0);
}

}  // namespace
