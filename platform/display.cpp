#include "platform/display.h"

#include <X11/Xlib.h>

#include <cstdlib>

namespace platform {

std::string display_problem() {
  const char* const name = std::getenv("DISPLAY");
  const std::string advice = "; start it from a desktop session, or set DISPLAY to a running X server";
  if (name == nullptr || *name == '\0') {
    return "the game needs a graphical session, and DISPLAY is not set" + advice;
  }
  Display* const display = XOpenDisplay(name);
  if (display == nullptr) {
    return "the game needs a graphical session, and the display DISPLAY=" + std::string(name) +
           " cannot be opened" + advice;
  }
  XCloseDisplay(display);
  return {};
}

}  // namespace platform
