#include "app/fullscreen.h"

#include <GL/freeglut.h>

namespace {

// Where the window stood before it went full screen, when it is ours to put
// back: with no window manager (nothing decorates the window) the toolkit
// makes the window cover the screen by moving it, and on the way back
// restores its size but not its place.
struct Windowed_Place {
  bool restore = false;
  int x = 0;
  int y = 0;
};

Windowed_Place windowed;

}  // namespace

void toggle_fullscreen() {
  const bool leaving = glutGet(GLUT_FULL_SCREEN) != 0;
  if (!leaving) {
    windowed.restore = glutGet(GLUT_WINDOW_BORDER_WIDTH) == 0 && glutGet(GLUT_WINDOW_HEADER_HEIGHT) == 0;
    windowed.x = glutGet(GLUT_WINDOW_X);
    windowed.y = glutGet(GLUT_WINDOW_Y);
  }
  glutFullScreenToggle();
  if (leaving && windowed.restore) glutPositionWindow(windowed.x, windowed.y);
}
