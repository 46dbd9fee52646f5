#pragma once
// The mouse pointer: hiding it and moving it. The game talks to this seam
// only, so that the play logic runs in tests without a window; the window
// layer installs the real backend once the window exists.

namespace platform {

class PointerBackend {
 public:
  virtual ~PointerBackend() = default;
  virtual void hide() = 0;
  // Moves the pointer to (x, y) in the game window's client coordinates.
  virtual void warp(int x, int y) = 0;
  // The client area's top-left corner on the screen.
  virtual void window_origin(int& x, int& y) const = 0;
};

// Installs a backend (not owned) and returns the previous one. With none
// installed every call does nothing and the origin is (0, 0).
PointerBackend* set_pointer_backend(PointerBackend* backend);

void pointer_hide();
void pointer_warp(int x, int y);
// Moves the pointer to a position measured from the screen's top-left corner.
void pointer_warp_screen(int x, int y);

// Every warp makes the window system report one motion event at its target,
// possibly after real movements that were already queued. A motion event at
// the target of a warp still pending is that warp's echo: this consumes the
// pending warp and returns true. Any other event is a real movement.
bool pointer_take_echo(int x, int y);

// Forgets every pending warp (for a new window, or a test).
void pointer_forget_warps();

// The backend that drives GLUT; valid after glutInit and window creation.
PointerBackend& glut_pointer_backend();

}  // namespace platform
