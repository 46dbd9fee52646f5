#include "sound/effect_bank.h"

namespace sound {

EffectBank::~EffectBank() { Mix_HaltChannel(channel_); }

void EffectBank::preload(const char* file) { chunk(file); }

void EffectBank::play(const char* file) {
  if (file == nullptr) return;
  if (const ChunkPtr& effect = chunk(file)) {
    Mix_PlayChannel(channel_, effect.get(), 0);
  } else {
    // A missing effect sounds as silence, and like any effect it cuts off
    // the one still playing.
    Mix_HaltChannel(channel_);
  }
}

const ChunkPtr& EffectBank::chunk(const char* file) {
  const auto found = chunks_.find(file);
  if (found != chunks_.end()) return found->second;
  return chunks_.emplace(file, load_wave(file)).first->second;
}

}  // namespace sound
