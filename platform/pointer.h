#pragma once
// The mouse pointer: hiding it, moving it, keeping it in the window, and the
// real movements of the mouse. The game talks to this seam only, so that the
// play logic runs in tests without a window; the window layer installs the
// real backend once the window exists.
#include <vector>

namespace platform {

// One real movement of the mouse, in the pointer's own pixels, fraction kept.
struct PointerMotion {
  double dx;
  double dy;
};

class PointerBackend {
 public:
  virtual ~PointerBackend() = default;
  virtual void hide() = 0;
  // Moves the pointer to (x, y) in the game window's client coordinates.
  virtual void warp(int x, int y) = 0;
  // The client area's top-left corner on the screen.
  virtual void window_origin(int& x, int& y) const = 0;
  // True when real movements are reported as deltas (take_motion); then
  // motion events only place the pointer and no warp is ever taken for a
  // movement. When false, aim from positions and warp echoes.
  virtual bool reports_motion() const { return false; }
  // Appends the movements made since the last call, oldest first.
  virtual void take_motion(std::vector<PointerMotion>& /*out*/) {}
  // Keeps the pointer inside the window, or lets it go.
  virtual void confine(bool /*on*/) {}
  // Reads what the window system has sent; called on every tick.
  virtual void poll() {}
  // The pointer moves without raw motion (a tablet, a virtual machine's
  // absolute pointer): from now on aim from positions and warp echoes.
  virtual void give_up_raw_motion() {}
};

// Installs a backend (not owned) and returns the previous one. With none
// installed every call does nothing and the origin is (0, 0).
PointerBackend* set_pointer_backend(PointerBackend* backend);

void pointer_hide();
void pointer_warp(int x, int y);
// Moves the pointer to a position measured from the screen's top-left corner.
void pointer_warp_screen(int x, int y);

bool pointer_reports_motion();
// The real movements since the last call (none without a backend that
// reports them).
std::vector<PointerMotion> pointer_take_motion();
void pointer_confine(bool on);
void pointer_poll();
void pointer_give_up_raw_motion();

// Every warp makes the window system report one motion event at its target,
// possibly after real movements that were already queued. A motion event at
// the target of a warp still pending is that warp's echo: this consumes the
// pending warp and returns true. Any other event is a real movement.
bool pointer_take_echo(int x, int y);

// Forgets every pending warp (for a new window, or a test).
void pointer_forget_warps();

// The backend that drives GLUT; valid after glutInit and window creation.
// With raw_motion it reads real movements from XInput2 raw motion where the
// server has it; either way it says once on standard error how it aims.
PointerBackend& glut_pointer_backend(bool raw_motion = true);

}  // namespace platform
