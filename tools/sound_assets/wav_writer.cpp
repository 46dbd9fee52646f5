#include "tools/sound_assets/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assets {
namespace {

std::string little_endian(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

}  // namespace

std::string wav_file(const std::vector<float>& samples, int rate) {
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  const auto frequency = static_cast<std::uint32_t>(rate);
  std::string file = "RIFF" + little_endian(36 + data_bytes, 4) + "WAVE";
  file += "fmt " + little_endian(16, 4) + little_endian(1, 2) /* PCM */ + little_endian(1, 2) /* mono */ +
          little_endian(frequency, 4) + little_endian(frequency * 2, 4) /* bytes a second */ +
          little_endian(2, 2) /* bytes a frame */ + little_endian(16, 2);
  file += "data" + little_endian(data_bytes, 4);
  for (const float sample : samples) {
    const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
    file += little_endian(static_cast<std::uint32_t>(static_cast<std::uint16_t>(value)), 2);
  }
  return file;
}

}  // namespace assets
