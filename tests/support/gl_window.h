#pragma once
// Helpers for tests that draw in a real window: a GLUT window with the game's
// fixed GL state, a font of solid blocks, and the frame read back.
#include <GL/freeglut.h>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "tests/support/screen_pointer.h"
#include "text/glkanji.h"

// Opens a 600x600 window once per process, with the state the game sets up.
// False when there is no display to open it on.
inline bool open_game_window(const char* title) {
  static bool opened = false;
  if (opened) return true;
  if (!display_available()) return false;
  opened = true;
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  glutInitWindowSize(600, 600);
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow(title);
  // The tests draw and read frames themselves; the toolkit only needs a
  // display callback to handle the window's events.
  glutDisplayFunc([] {});
  glClearColor(1, 1, 1, 0);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnableClientState(GL_VERTEX_ARRAY);
  return true;
}

// A 16-pixel font whose two-byte glyphs are solid and whose single-byte glyphs
// fill the right half of their cell, as real half-width glyphs do: every text
// shows as a block whose top-left corner is exactly where it was placed.
inline void load_block_font(qon::glKanji& kanji) {
  kanji.size = 16;
  kanji.charBytes = 32;
  kanji.charCount = 9374;
  kanji.data.assign(static_cast<std::size_t>(kanji.charCount) * 32, 0xFF);
  for (std::size_t slot = 0; slot < 255; ++slot) {
    for (std::size_t row = 0; row < 16; ++row) kanji.data[slot * 32 + row * 2] = 0;
  }
}

// Resizes the test window and waits until the window system has done it, so
// that the next frame is drawn and read at that size. False if it never was,
// or if there is no window (a test skipped for want of a display).
inline bool resize_game_window(int w, int h) {
  if (!display_available()) return false;
  glutReshapeWindow(w, h);
  for (int round = 0; round < 200; ++round) {
    glutMainLoopEvent();
    if (glutGet(GLUT_WINDOW_WIDTH) == w && glutGet(GLUT_WINDOW_HEIGHT) == h) {
      // The GL buffers take the window's new size at the next swap.
      glutSwapBuffers();
      return true;
    }
  }
  return false;
}

// RGB rows, top row first: the back buffer as read, or pixels given.
class Frame {
 public:
  explicit Frame(int width = 600, int height = 600)
      : width_(width), height_(height), rgb_(static_cast<std::size_t>(width) * height * 3) {
    const std::size_t row_bytes = static_cast<std::size_t>(width) * 3;
    std::vector<unsigned char> bottom_up(rgb_.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottom_up.data());
    for (std::size_t row = 0; row < static_cast<std::size_t>(height); ++row) {
      std::copy_n(&bottom_up[(height - 1 - row) * row_bytes], row_bytes, &rgb_[row * row_bytes]);
    }
  }
  Frame(int width, int height, std::vector<unsigned char> rgb)
      : width_(width), height_(height), rgb_(std::move(rgb)) {}

  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<unsigned char>& rgb() const { return rgb_; }
  const unsigned char* at(int x, int y) const {
    return &rgb_[(static_cast<std::size_t>(y) * width_ + static_cast<std::size_t>(x)) * 3];
  }
  bool white(int x, int y) const {
    const unsigned char* p = at(x, y);
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
  }
  // A text's block begins exactly here: drawn at (x, y), blank above and left.
  bool text_starts_at(int x, int y) const { return !white(x, y) && white(x - 1, y) && white(x, y - 1); }

 private:
  int width_;
  int height_;
  std::vector<unsigned char> rgb_;
};
