#include "tests/support/recorders.h"

EffectRecorder::EffectRecorder() : chosen_before_(effect_sink_chosen()), previous_(set_effect_sink(this)) {}
EffectRecorder::~EffectRecorder() {
  if (chosen_before_) {
    set_effect_sink(previous_);
  } else {
    reset_effect_sink();
  }
}
void EffectRecorder::play(const char* file) { played.emplace_back(file); }

PointerRecorder::PointerRecorder(int origin_x, int origin_y)
    : origin_x_(origin_x), origin_y_(origin_y), previous_(platform::set_pointer_backend(this)) {}
PointerRecorder::~PointerRecorder() { platform::set_pointer_backend(previous_); }
void PointerRecorder::hide() { ++hides; }
void PointerRecorder::warp(int x, int y) { warps.emplace_back(x, y); }
void PointerRecorder::window_origin(int& x, int& y) const {
  x = origin_x_;
  y = origin_y_;
}
bool PointerRecorder::reports_motion() const { return raw; }
void PointerRecorder::take_motion(std::vector<platform::PointerMotion>& out) {
  ++takes;
  out.insert(out.end(), motion.begin(), motion.end());
  motion.clear();
}
void PointerRecorder::confine(bool on) { confines.push_back(on); }
void PointerRecorder::give_up_raw_motion() {
  ++raw_given_up;
  raw = false;
}
