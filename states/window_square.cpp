#include "states/window_square.h"

#include <GL/gl.h>

#include <algorithm>

Window_Square window_square(int width, int height) {
  Window_Square square;
  square.side = std::max(0, std::min(width, height));
  square.left = (width - square.side) / 2;
  square.top = (height - square.side) / 2;
  return square;
}

Square_Viewport::Square_Viewport(const Window_Square& square) : saved{} {
  glGetIntegerv(GL_VIEWPORT, saved);
  // The viewport counts rows from the bottom of the window.
  const int window_height = saved[1] + saved[3];
  glViewport(saved[0] + square.left, window_height - square.top - square.side, square.side, square.side);
}

Square_Viewport::~Square_Viewport() { glViewport(saved[0], saved[1], saved[2], saved[3]); }
