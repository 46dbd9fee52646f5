#pragma once
// Wave files decoded into the open audio device's own sample format, ready
// to be played without further work.
#include <SDL_mixer.h>

#include <memory>

namespace sound {

struct ChunkDeleter {
  void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

// Reads a RIFF WAVE file; null when it is missing, too large, not a wave file
// or not decodable. Needs the audio device open.
ChunkPtr load_wave(const char* path);

}  // namespace sound
