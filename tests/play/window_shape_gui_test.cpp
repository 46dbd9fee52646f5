// The play frame in windows of any shape: the scope's mask covers all of the
// window but its round opening, and the texts stay in the opening. In the
// 600x600 window the picture is the one kept from before windows could take
// other shapes.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "play/play_state.h"
#include "play/play_view.h"
#include "states/gamesystem.h"
#include "tests/support/frame_file.h"
#include "tests/play/range_figures.h"
#include "tests/support/gl_window.h"

namespace {

class TestSystem final : public Gamesystem {};

bool near_black(const unsigned char* p) { return p[0] <= 14 && p[1] <= 14 && p[2] <= 14; }
bool same(const unsigned char* p, const unsigned char* q) { return p[0] == q[0] && p[1] == q[1] && p[2] == q[2]; }

// The opening's radius at depth 1 is 0.6, against tan 30 degrees for half
// the smaller side: in pixels, this share of half the smaller side.
const double opening_share = 0.6 / std::tan(M_PI / 6);
// The cross-hair's strokes reach 0.1 at depth 1.
const double cross_hair_share = 0.1 / std::tan(M_PI / 6);

struct Shape {
  int w, h;
  int square_left, square_top;  // the opening's bounding square, of the smaller side
};

// A square, the two shapes of the task and two odd ones.
const Shape shapes[] = {{600, 600, 0, 0}, {1000, 500, 250, 0}, {500, 1000, 0, 250},
                        {1201, 300, 450, 0}, {451, 640, 0, 94}};

class WindowShape : public testing::Test {
 protected:
  void SetUp() override {
    if (!open_game_window("window shape test")) GTEST_SKIP() << kNoDisplayReason;
    load_block_font(sys.kanji);
    initscope();
  }
  void TearDown() override {
    play.field.buttai_del();
    resize_game_window(600, 600);  // the other window tests expect it
  }

  // Gives the window the shape, as the game sees a window resized.
  void shape_window(int w, int h) {
    ASSERT_TRUE(resize_game_window(w, h)) << w << "x" << h;
    play.resize(w, h, &sys);
  }

  void place_person(double x, double y, double z, double life, double size) {
    ::place_person(play.field, x, y, z, life, size);
  }

  // A course in full swing: figures of every kind, the stage-clear and combo
  // banners, and the aim turned so that one wall and the floor fill the view.
  void running_course(bool figures = true) {
    for (int i = 0; i < (figures ? 12 : 0); ++i) {
      place_person(-18 + 3.2 * i, 2 + (i % 4) * 2.5, -30 - 12 * i, 100.0 * (1 + i % 3), 0.5 + (i % 3) * 0.4);
    }
    play.yaw = -14.2;
    play.pitch = 7.6;
    play.field.lives = 7;
    play.ammo = 23;
    play.stage = 2;
    play.field.clearcount = 12;
    play.field.combo = 5;
    play.field.tick = 4;
  }

  void finished_course() {
    play.finished = true;
    play.allclear = true;
    sys.level = 3;
    play.stage = 17;
    play.field.hits = 40;
    play.shots = 52;
  }

  TestSystem sys;
  Play_State play;
};

// The frames of the 600x600 window, kept as they were drawn before any other
// shape was handled.
TEST_F(WindowShape, SquareWindowLooksExactlyAsBefore) {
  struct Kept {
    const char* file;
    bool finished;
  };
  const Kept kept[] = {{"play_running_600.ppm", false}, {"play_results_600.ppm", true}};
  shape_window(600, 600);
  for (const Kept& k : kept) {
    SCOPED_TRACE(k.file);
    if (k.finished) {
      finished_course();
    } else {
      running_course();
    }
    play.display(&sys);
    const Frame drawn;
    const std::string path = std::string(QS_FRAMES_DIR "/") + k.file;
    if (recording_frames()) {
      ASSERT_TRUE(write_frame_file(drawn, path));
      continue;
    }
    const std::optional<Frame> before = read_frame_file(path);
    ASSERT_TRUE(before.has_value()) << "cannot read " << path;
    EXPECT_EQ(pixels_differing(drawn, *before), 0);
  }
}

// Every pixel outside the opening is the mask's colour, figures or not; every
// pixel well inside it, away from the cross-hair, shows the range (whose
// figures would have shadows as dark as the mask: they are left out there).
TEST_F(WindowShape, MaskCoversAllButTheRoundCentredOpening) {
  for (const Shape& s : shapes) {
    SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
    shape_window(s.w, s.h);
    running_course(false);
    play.display(&sys);
    const Frame range(s.w, s.h);
    running_course(true);
    play.display(&sys);
    const Frame frame(s.w, s.h);
    play.field.buttai_del();
    const unsigned char* mask = frame.at(0, 0);
    ASSERT_TRUE(near_black(mask));
    const double radius = opening_share * std::min(s.w, s.h) / 2;
    // The outline is a polygon of 36 sides: its edges fall this far inside the circle.
    const double inner = radius * std::cos(M_PI / 36);
    int outside_wrong = 0, inside_wrong = 0, outside = 0, inside = 0;
    for (int y = 0; y < s.h; ++y) {
      for (int x = 0; x < s.w; ++x) {
        const double dx = x + 0.5 - s.w / 2.0, dy = y + 0.5 - s.h / 2.0;
        const double d = std::hypot(dx, dy);
        if (d > radius + 1.5) {
          ++outside;
          outside_wrong += !same(frame.at(x, y), mask);
        } else if (d < inner - 1.5 && std::abs(dx) > 2 && std::abs(dy) > 2) {
          ++inside;
          inside_wrong += near_black(range.at(x, y));
        }
      }
    }
    EXPECT_EQ(outside_wrong, 0) << "of " << outside << " pixels outside the opening";
    EXPECT_EQ(inside_wrong, 0) << "of " << inside << " pixels inside the opening";
    EXPECT_GT(inside, radius * radius);
    // The four corners and the middles of the four edges.
    for (const auto& p : {std::make_pair(0, 0), std::make_pair(s.w - 1, 0), std::make_pair(0, s.h - 1),
                          std::make_pair(s.w - 1, s.h - 1)}) {
      EXPECT_TRUE(same(frame.at(p.first, p.second), mask)) << p.first << "," << p.second;
    }
    const bool wide = s.w > s.h;
    const auto edge_middle = [&](int x, int y) { return same(frame.at(x, y), mask); };
    EXPECT_EQ(edge_middle(0, s.h / 2), wide && s.w != s.h) << "left edge";
    EXPECT_EQ(edge_middle(s.w - 1, s.h / 2), wide) << "right edge";
    EXPECT_EQ(edge_middle(s.w / 2, 0), !wide && s.w != s.h) << "top edge";
    EXPECT_EQ(edge_middle(s.w / 2, s.h - 1), !wide && s.w != s.h) << "bottom edge";
  }
}

// Walking out from the centre along each axis, the range gives way to the
// mask at the same distance on both sides, the opening's radius; where the
// radius passes the window's edge the range reaches it.
TEST_F(WindowShape, OpeningAndCrossHairStayCentred) {
  for (const Shape& s : shapes) {
    SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
    shape_window(s.w, s.h);
    play.display(&sys);
    const Frame frame(s.w, s.h);
    const unsigned char* mask = frame.at(0, 0);
    const int cx = s.w / 2, cy = s.h / 2;
    const double half_side = std::min(s.w, s.h) / 2.0;
    const double radius = opening_share * half_side;
    const int arm = static_cast<int>(cross_hair_share * half_side);
    // Distance from the centre to the first mask pixel in direction (ux, uy), or -1.
    auto reach = [&](int ux, int uy) {
      for (int d = arm + 3;; ++d) {
        const int x = cx + ux * d, y = cy + uy * d;
        if (x < 0 || y < 0 || x >= s.w || y >= s.h) return -1;
        if (same(frame.at(x, y), mask)) return d;
      }
    };
    const int left = reach(-1, 0), right = reach(1, 0), up = reach(0, -1), down = reach(0, 1);
    for (const auto& [found, room] : {std::make_pair(left, cx), std::make_pair(right, s.w - 1 - cx),
                                      std::make_pair(up, cy), std::make_pair(down, s.h - 1 - cy)}) {
      if (radius < room - 2) {
        EXPECT_NEAR(found, radius, 2.0);
      } else if (radius > room + 2) {
        EXPECT_EQ(found, -1);
      }
    }
    if (left > 0 && right > 0) {
      EXPECT_LE(std::abs(left - right), 1);
    }
    if (up > 0 && down > 0) {
      EXPECT_LE(std::abs(up - down), 1);
    }
    // The cross-hair: dark along its four strokes, in proportion to the opening.
    for (const auto& [ux, uy] : {std::make_pair(1, 0), std::make_pair(-1, 0), std::make_pair(0, 1),
                                 std::make_pair(0, -1)}) {
      const int d = arm * 3 / 4;
      bool dark = false;
      for (int nx = -1; nx <= 0; ++nx) {
        for (int ny = -1; ny <= 0; ++ny) dark = dark || near_black(frame.at(cx + ux * d + nx, cy + uy * d + ny));
      }
      EXPECT_TRUE(dark) << "stroke towards " << ux << "," << uy;
      EXPECT_FALSE(near_black(frame.at(cx + ux * (arm + 6) + uy * 6, cy + uy * (arm + 6) + ux * 6)));
    }
  }
}

// A window of any shape shows, in the square of its smaller side, what a
// square window of that side shows: the same angle of view through the same
// opening, the same figures and texts. Only mask lies beyond. (The two
// projections differ in their rounding: a channel may be one off, and a
// pixel on an edge here and there may fall to the other side.)
TEST_F(WindowShape, SmallerSideSquareShowsTheSquareWindowsPicture) {
  // Sides differing by an even number, so that the centres fall on the same pixel corner.
  const Shape shape_cases[] = {{1000, 500, 250, 0}, {500, 1000, 0, 250}, {1240, 640, 300, 0}, {700, 1000, 0, 150}};
  for (const Shape& s : shape_cases) {
    SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
    running_course();
    shape_window(s.w, s.h);
    play.display(&sys);
    const Frame shaped(s.w, s.h);
    const int side = std::min(s.w, s.h);
    shape_window(side, side);
    play.display(&sys);
    const Frame square(side, side);
    play.field.buttai_del();
    long differing = 0, off_by_one = 0;
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        const unsigned char* p = square.at(x, y);
        const unsigned char* q = shaped.at(s.square_left + x, s.square_top + y);
        int most = 0;
        for (int c = 0; c < 3; ++c) most = std::max(most, std::abs(p[c] - q[c]));
        differing += most > 1;
        off_by_one += most == 1;
      }
    }
    EXPECT_LE(differing, side * side / 10000);
    EXPECT_LE(off_by_one, side * side / 1000);
  }
}

// The texts stand where they stand in a square window of the smaller side,
// laid over the opening, and are not hidden by the mask.
TEST_F(WindowShape, TextsKeepTheirPlacesInTheOpening) {
  struct Place {
    int x, y;  // in the 600x600 window
  };
  // Stage, stage-clear banner, lives, bullets; then the results' five lines.
  const std::vector<Place> running = {{240, 120}, {200, 100}, {240, 1}, {240, 40}};
  const std::vector<Place> results = {{200, 100}, {150, 200}, {150, 300}, {200, 400}, {150, 171}};
  // Texts do not scale: below a side of about 500 they run into each other,
  // in a square window as in any other.
  const Shape text_shapes[] = {{600, 600, 0, 0}, {1000, 500, 250, 0}, {500, 1000, 0, 250},
                               {1240, 700, 270, 0}, {700, 1000, 0, 150}};
  for (const Shape& s : text_shapes) {
    SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
    shape_window(s.w, s.h);
    const double scale = std::min(s.w, s.h) / 600.0;
    for (const bool finished : {false, true}) {
      play.field.buttai_del();
      play.finished = false;
      if (finished) {
        finished_course();
      } else {
        running_course();
      }
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      play.scoredisplay(&sys);
      const Frame texts(s.w, s.h);
      play.display(&sys);
      const Frame whole(s.w, s.h);
      for (const Place& p : finished ? results : running) {
        // Positions are fractions of the side, truncated: 1 stays 1 and the
        // rest scale, give or take the truncation.
        const int x = s.square_left + static_cast<int>(std::lround(p.x * scale));
        const int y = s.square_top + (p.y == 1 ? 1 : static_cast<int>(std::lround(p.y * scale)));
        bool found = false;
        int fx = 0, fy = 0;
        for (int dy = -1; dy <= 1 && !found; ++dy) {
          for (int dx = -1; dx <= 1 && !found; ++dx) {
            if (texts.text_starts_at(x + dx, y + dy)) found = true, fx = x + dx, fy = y + dy;
          }
        }
        EXPECT_TRUE(found) << "text near " << x << "," << y;
        if (!found) continue;
        if (s.w == 600 && s.h == 600) {
          EXPECT_EQ(std::make_pair(fx, fy), std::make_pair(p.x, p.y));
        }
        const unsigned char* shown = whole.at(fx + 2, fy + 2);
        EXPECT_TRUE(shown[0] > 150 && shown[1] < 60) << "hidden at " << fx << "," << fy;
      }
    }
  }
}

}  // namespace
