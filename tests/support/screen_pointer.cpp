#include "tests/support/screen_pointer.h"

#include <X11/Xlib.h>

bool pointer_on_screen(int& x, int& y) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  Window root, child;
  int window_x, window_y;
  unsigned int mask;
  XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &window_x, &window_y,
                &mask);
  XCloseDisplay(display);
  return true;
}

bool display_available() {
  static const bool available = [] {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    XCloseDisplay(display);
    return true;
  }();
  return available;
}
