#pragma once
// Helpers for tests that draw in a real window: a GLUT window with the game's
// fixed GL state, a font of solid blocks, and the frame read back.
#include <GL/freeglut.h>

#include <algorithm>
#include <cstddef>
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

// The back buffer as RGB rows, top row first.
class Frame {
 public:
  Frame() : rgb_(600 * 600 * 3) {
    std::vector<unsigned char> bottom_up(rgb_.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, 600, 600, GL_RGB, GL_UNSIGNED_BYTE, bottom_up.data());
    for (std::size_t row = 0; row < 600; ++row) {
      std::copy_n(&bottom_up[(599 - row) * 1800], 1800, &rgb_[row * 1800]);
    }
  }
  const unsigned char* at(int x, int y) const {
    return &rgb_[(static_cast<std::size_t>(y) * 600 + static_cast<std::size_t>(x)) * 3];
  }
  bool white(int x, int y) const {
    const unsigned char* p = at(x, y);
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
  }
  // A text's block begins exactly here: drawn at (x, y), blank above and left.
  bool text_starts_at(int x, int y) const { return !white(x, y) && white(x - 1, y) && white(x, y - 1); }

 private:
  std::vector<unsigned char> rgb_;
};
