#pragma once
// Recording stand-ins for the seams, so that tests can see the effects played
// and the pointer moved without a sound device or a window.
#include <string>
#include <utility>
#include <vector>

#include "platform/pointer.h"
#include "sound/effect.h"

// Records every effect while it is alive, then puts back the choice it found.
class EffectRecorder final : public EffectSink {
 public:
  EffectRecorder();
  ~EffectRecorder() override;
  void play(const char* file) override;
  std::vector<std::string> played;

 private:
  bool chosen_before_;
  EffectSink* previous_;
};

// Records pointer calls while it is alive; the window sits at origin.
class PointerRecorder final : public platform::PointerBackend {
 public:
  explicit PointerRecorder(int origin_x = 0, int origin_y = 0);
  ~PointerRecorder() override;
  void hide() override;
  void warp(int x, int y) override;
  void window_origin(int& x, int& y) const override;
  bool reports_motion() const override;
  void take_motion(std::vector<platform::PointerMotion>& out) override;
  void confine(bool on) override;
  void give_up_raw_motion() override;
  int hides = 0;
  std::vector<std::pair<int, int>> warps;
  // With raw set, stands for a window system that reports real movements:
  // those in motion are handed over at the next take.
  bool raw = false;
  std::vector<platform::PointerMotion> motion;
  int takes = 0;
  std::vector<bool> confines;  // every confine call, in order
  int raw_given_up = 0;

 private:
  int origin_x_;
  int origin_y_;
  platform::PointerBackend* previous_;
};
