#pragma once
// Writing 16-bit mono PCM wave files.
#include <string>
#include <vector>

namespace assets {

// samples in [-1, 1]; anything beyond is clamped.
std::string wav_file(const std::vector<float>& samples, int rate);

}  // namespace assets
