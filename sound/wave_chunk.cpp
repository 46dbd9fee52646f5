#include "sound/wave_chunk.h"

#include <algorithm>

#include "platform/file_bytes.h"

namespace sound {
namespace {

// Background music as wave audio can be long; a minute and a half of CD
// quality is about 16 MB.
constexpr std::size_t kMaxWaveBytes = 64u << 20;

bool is_riff_wave(const std::vector<std::uint8_t>& bytes) {
  static constexpr char riff[] = "RIFF";
  static constexpr char wave[] = "WAVE";
  return bytes.size() >= 12 && std::equal(riff, riff + 4, bytes.begin()) &&
         std::equal(wave, wave + 4, bytes.begin() + 8);
}

}  // namespace

ChunkPtr load_wave(const char* path) {
  // The mixer would also decode other formats (a MIDI file, say, rendered
  // whole in one go); a wave device plays wave files only.
  const auto bytes = platform::read_file(path, kMaxWaveBytes);
  if (!bytes || !is_riff_wave(*bytes)) return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size()));
  if (stream == nullptr) return nullptr;
  return ChunkPtr(Mix_LoadWAV_RW(stream, 1));
}

}  // namespace sound
