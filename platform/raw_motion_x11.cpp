#include "platform/raw_motion_x11.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace platform {
namespace {

// Movements kept while nobody takes them (in the menu, say); the oldest go.
constexpr std::size_t max_pending = 4096;

int ignore_error(Display*, XErrorEvent*) { return 0; }

}  // namespace

RawMotionX11::~RawMotionX11() {
  if (own_ != nullptr) XCloseDisplay(own_);
}

bool RawMotionX11::open(_XDisplay* toolkit_display, unsigned long window, bool want_raw) {
  toolkit_ = toolkit_display;
  window_ = window;
  own_ = XOpenDisplay(DisplayString(toolkit_display));
  if (own_ == nullptr) return false;
  XSelectInput(own_, window_, FocusChangeMask);
  int event_base = 0;
  int error_base = 0;
  if (want_raw && XQueryExtension(own_, "XInputExtension", &xi_opcode_, &event_base, &error_base)) {
    // Raw motion of the master pointers, delivered whoever holds a grab.
    int major = 2;
    int minor = 1;
    if (XIQueryVersion(own_, &major, &minor) == Success && (major > 2 || (major == 2 && minor >= 1))) {
      unsigned char raw_bits[XIMaskLen(XI_LASTEVENT)] = {};
      XISetMask(raw_bits, XI_RawMotion);
      // Devices come and go: their kinds are looked up again.
      unsigned char hierarchy_bits[XIMaskLen(XI_LASTEVENT)] = {};
      XISetMask(hierarchy_bits, XI_HierarchyChanged);
      XIEventMask masks[2];
      masks[0].deviceid = XIAllMasterDevices;
      masks[0].mask_len = sizeof raw_bits;
      masks[0].mask = raw_bits;
      masks[1].deviceid = XIAllDevices;
      masks[1].mask_len = sizeof hierarchy_bits;
      masks[1].mask = hierarchy_bits;
      XISelectEvents(own_, DefaultRootWindow(own_), masks, 2);
      raw_ = true;
    }
  }
  XSync(own_, False);
  return raw_;
}

void RawMotionX11::poll() {
  if (own_ == nullptr) return;
  while (XPending(own_) > 0) {
    XEvent event;
    XNextEvent(own_, &event);
    handle(event);
  }
  update_grab();
}

void RawMotionX11::handle(XEvent& event) {
  if (event.type == FocusIn || event.type == FocusOut) {
    const XFocusChangeEvent& focus = event.xfocus;
    // Grabs of the keyboard and moves inside the window are no change of
    // focus; nor, with the focus following the pointer, is the pointer's way.
    if (focus.mode == NotifyGrab || focus.mode == NotifyUngrab) return;
    if (focus.detail == NotifyInferior || focus.detail == NotifyPointer ||
        focus.detail == NotifyPointerRoot || focus.detail == NotifyDetailNone) {
      return;
    }
    focused_ = event.type == FocusIn;
    // Movements made while away are no aiming.
    if (!focused_) pending_.clear();
    return;
  }
  if (event.type != GenericEvent || event.xcookie.extension != xi_opcode_) return;
  if (!XGetEventData(own_, &event.xcookie)) return;
  if (event.xcookie.evtype == XI_RawMotion) {
    add_raw_motion(event.xcookie.data);
  } else if (event.xcookie.evtype == XI_HierarchyChanged) {
    relative_devices_.clear();
  }
  XFreeEventData(own_, &event.xcookie);
}

void RawMotionX11::add_raw_motion(const void* raw_event) {
  const auto& raw = *static_cast<const XIRawEvent*>(raw_event);
  if (!raw_ || !focused_ || !relative_device(raw.sourceid)) return;
  // The values after the server's acceleration: the pointer's own pixels.
  double delta[2] = {0.0, 0.0};
  const double* value = raw.valuators.values;
  for (int axis = 0; axis < raw.valuators.mask_len * 8; ++axis) {
    if (!XIMaskIsSet(raw.valuators.mask, axis)) continue;
    if (axis < 2) delta[axis] = *value;
    ++value;
  }
  if (delta[0] == 0.0 && delta[1] == 0.0) return;
  if (pending_.size() == max_pending) pending_.pop_front();
  pending_.push_back({delta[0], delta[1]});
}

// A device that reports positions (a tablet, a touch screen, or the
// compositor's absolute pointer under Xwayland) gives raw values that are no
// movement; only devices that report movements count.
bool RawMotionX11::relative_device(int device) {
  const auto known = relative_devices_.find(device);
  if (known != relative_devices_.end()) return known->second;
  bool relative = false;
  int count = 0;
  // A device unplugged meanwhile is an error, not a reason to end the game.
  XSync(own_, False);
  const auto previous_handler = XSetErrorHandler(ignore_error);
  XIDeviceInfo* info = XIQueryDevice(own_, device, &count);
  XSync(own_, False);
  XSetErrorHandler(previous_handler);
  if (info != nullptr) {
    for (int i = 0; i < info->num_classes; ++i) {
      const XIAnyClassInfo* any = info->classes[i];
      if (any->type != XIValuatorClass) continue;
      const auto* valuator = reinterpret_cast<const XIValuatorClassInfo*>(any);
      if (valuator->number == 0) relative = valuator->mode == XIModeRelative;
    }
    XIFreeDeviceInfo(info);
  }
  relative_devices_[device] = relative;
  return relative;
}

void RawMotionX11::take(std::vector<PointerMotion>& out) {
  poll();
  out.insert(out.end(), pending_.begin(), pending_.end());
  pending_.clear();
}

void RawMotionX11::stop_raw() {
  raw_ = false;
  pending_.clear();
  update_grab();
}

void RawMotionX11::confine(bool on) {
  wanted_ = on;
  update_grab();
}

void RawMotionX11::update_grab() {
  if (toolkit_ == nullptr) return;
  // Aiming by position needs no hold: the pointer is pulled back after every
  // move. And a confined pointer that the server moves (a window shrinking
  // around it) would read there as a turn of the aim.
  const bool want = wanted_ && focused_ && raw_;
  if (want == grabbed_) return;
  if (want) {
    // Owner events: the window's own events still reach the toolkit.
    constexpr unsigned int events = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    grabbed_ = XGrabPointer(toolkit_, window_, True, events, GrabModeAsync, GrabModeAsync, window_,
                            None, CurrentTime) == GrabSuccess;
  } else {
    XUngrabPointer(toolkit_, CurrentTime);
    grabbed_ = false;
  }
  XFlush(toolkit_);
}

}  // namespace platform
