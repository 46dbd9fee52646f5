#pragma once
// Real mouse movements from XInput2 raw motion, and the pointer kept inside
// the game window while it is wanted there.
//
// Raw motion is read on an X connection of our own, polled from the window's
// events and from the tick: the toolkit's event loop takes every event of its
// own connection and offers no hook for others. The confining grab is made
// on the toolkit's connection, so that the window's own pointer and button
// events go on reaching it.
#include <deque>
#include <map>
#include <vector>

#include "platform/pointer.h"

struct _XDisplay;
union _XEvent;

namespace platform {

class RawMotionX11 {
 public:
  RawMotionX11() = default;
  RawMotionX11(const RawMotionX11&) = delete;
  RawMotionX11& operator=(const RawMotionX11&) = delete;
  ~RawMotionX11();

  // Watches the window on a new connection; with want_raw, also selects raw
  // motion. Returns whether raw motion is available.
  bool open(_XDisplay* toolkit_display, unsigned long window, bool want_raw);
  bool raw() const { return raw_; }
  // Raw motion is no longer reported (the window's focus is still watched).
  void stop_raw();

  void poll();
  void take(std::vector<PointerMotion>& out);
  // Wanted or not; the grab is held only while the window has the focus.
  void confine(bool on);

 private:
  void handle(_XEvent& event);
  void add_raw_motion(const void* raw_event);
  bool relative_device(int device);
  void update_grab();

  _XDisplay* own_ = nullptr;      // our connection: raw motion and focus
  _XDisplay* toolkit_ = nullptr;  // the toolkit's connection: the grab
  unsigned long window_ = 0;
  int xi_opcode_ = -1;
  bool raw_ = false;
  bool focused_ = true;  // until told otherwise
  bool wanted_ = false;
  bool grabbed_ = false;
  std::map<int, bool> relative_devices_;
  std::deque<PointerMotion> pending_;
};

}  // namespace platform
