#include <GL/freeglut.h>
#include <GL/glx.h>

#include <cstdio>
#include <cstdlib>

#include "platform/pointer.h"
#include "platform/raw_motion_x11.h"

namespace platform {
namespace {

class GlutPointer final : public PointerBackend {
 public:
  explicit GlutPointer(bool want_raw) {
    // The window's context is current: its display is the toolkit's
    // connection and its drawable the window.
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (display != nullptr && window != 0) x11_.open(display, window, want_raw);
    std::fprintf(stderr, "quorrelstead: mouse: %s\n",
                 x11_.raw()  ? "aiming from XInput2 raw motion"
                 : want_raw ? "no XInput2 raw motion; aiming from pointer positions and warps"
                            : "aiming from pointer positions and warps");
  }
  void hide() override { glutSetCursor(GLUT_CURSOR_NONE); }
  void warp(int x, int y) override { glutWarpPointer(x, y); }
  void window_origin(int& x, int& y) const override {
    x = glutGet(GLUT_WINDOW_X);
    y = glutGet(GLUT_WINDOW_Y);
  }
  bool reports_motion() const override { return x11_.raw(); }
  void take_motion(std::vector<PointerMotion>& out) override { x11_.take(out); }
  void confine(bool on) override { x11_.confine(on); }
  void poll() override { x11_.poll(); }
  void give_up_raw_motion() override {
    if (!x11_.raw()) return;
    x11_.stop_raw();
    std::fprintf(stderr, "quorrelstead: mouse: the pointer moves without raw motion; aiming from pointer positions and warps\n");
  }

 private:
  RawMotionX11 x11_;
};

// The game's own exits (quit keys, fatal errors) let the pointer go before
// the process ends. Once the main loop has returned the backend is
// uninstalled and this does nothing: the toolkit has closed its connection,
// and with it the grab.
void release_at_exit() { pointer_confine(false); }

}  // namespace

PointerBackend& glut_pointer_backend(bool raw_motion) {
  static GlutPointer backend(raw_motion);
  static const bool release_registered = std::atexit(release_at_exit) == 0;
  static_cast<void>(release_registered);
  return backend;
}

}  // namespace platform
