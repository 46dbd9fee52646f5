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
  int hides = 0;
  std::vector<std::pair<int, int>> warps;

 private:
  int origin_x_;
  int origin_y_;
  platform::PointerBackend* previous_;
};
