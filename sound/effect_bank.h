#pragma once
// The effects the audio device plays: decoded once, kept, and started on one
// fixed mixer channel so that a new effect cuts off the one still sounding.
#include <string>
#include <unordered_map>

#include "sound/effect.h"
#include "sound/wave_chunk.h"

namespace sound {

class EffectBank final : public EffectSink {
 public:
  explicit EffectBank(int channel) : channel_(channel) {}
  ~EffectBank() override;
  EffectBank(const EffectBank&) = delete;
  EffectBank& operator=(const EffectBank&) = delete;

  // Decodes a file now so that playing it later reads nothing from disk.
  void preload(const char* file);
  // Starts the effect; a file that cannot be loaded plays silence, which
  // cuts off the effect still sounding (and is not looked for again).
  void play(const char* file) override;

 private:
  const ChunkPtr& chunk(const char* file);

  int channel_;
  std::unordered_map<std::string, ChunkPtr> chunks_;  // null where loading failed
};

}  // namespace sound
