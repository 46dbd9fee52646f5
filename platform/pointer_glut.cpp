#include <GL/freeglut.h>

#include "platform/pointer.h"

namespace platform {
namespace {

class GlutPointer final : public PointerBackend {
 public:
  void hide() override { glutSetCursor(GLUT_CURSOR_NONE); }
  void warp(int x, int y) override { glutWarpPointer(x, y); }
  void window_origin(int& x, int& y) const override {
    x = glutGet(GLUT_WINDOW_X);
    y = glutGet(GLUT_WINDOW_Y);
  }
};

}  // namespace

PointerBackend& glut_pointer_backend() {
  static GlutPointer backend;
  return backend;
}

}  // namespace platform
