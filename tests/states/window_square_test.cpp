// The square that the menu, the texts and the scope's opening fit in, and
// the angle of view that keeps the picture in it unmagnified.
#include <gtest/gtest.h>

#include <cmath>

#include "states/state.h"
#include "states/window_square.h"

namespace {

TEST(WindowSquare, IsTheLargestCentredSquare) {
  struct Case {
    int w, h;
    int left, top, side;
  };
  const Case cases[] = {{600, 600, 0, 0, 600},     {1000, 500, 250, 0, 500}, {500, 1000, 0, 250, 500},
                        {1280, 1024, 128, 0, 1024}, {601, 599, 1, 0, 599},    {451, 640, 0, 94, 451},
                        {0, 300, 0, 150, 0},        {300, 0, 150, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
    const Window_Square square = window_square(c.w, c.h);
    EXPECT_EQ(square.left, c.left);
    EXPECT_EQ(square.top, c.top);
    EXPECT_EQ(square.side, c.side);
  }
}

// The smaller side always sees 60 degrees: the vertical angle for windows at
// least as wide as high, the horizontal one (through the aspect) otherwise.
TEST(WindowSquare, SmallerSideSeesSixtyDegrees) {
  const double tan30 = std::tan(M_PI / 6);
  struct Case {
    int w, h;
  };
  for (const Case c : {Case{600, 600}, Case{1000, 500}, Case{1920, 1080}, Case{500, 1000}, Case{599, 601},
                       Case{300, 1200}}) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
    const double half_up = std::tan(vertical_field_of_view(c.w, c.h) / 2 * M_PI / 180);
    const double half_across = half_up * c.w / c.h;
    EXPECT_NEAR(std::min(half_up, half_across), tan30, 1e-12);
    if (c.w >= c.h) {
      EXPECT_EQ(vertical_field_of_view(c.w, c.h), 60.0);
    }
  }
  EXPECT_EQ(vertical_field_of_view(0, 500), 60.0);
  EXPECT_EQ(vertical_field_of_view(500, 0), 60.0);
}

}  // namespace
