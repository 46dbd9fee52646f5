#include "tests/sound/sound_files.h"

#include <unistd.h>

#include <cmath>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "tools/sound_assets/midi_writer.h"
#include "tools/sound_assets/wav_writer.h"

SoundFiles::SoundFiles() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qs-sound-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  folder_ = pattern;
}

SoundFiles::~SoundFiles() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string SoundFiles::write(const std::string& name, const std::string& contents) const {
  const std::string file = path(name);
  std::ofstream(file, std::ios::binary) << contents;
  return file;
}

std::string SoundFiles::tone(const std::string& name, double seconds, double hz, float amplitude) const {
  constexpr int kRate = 22050;
  std::vector<float> samples(static_cast<std::size_t>(seconds * kRate));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = amplitude * static_cast<float>(std::sin(2.0 * 3.14159265358979 * hz * static_cast<double>(i) / kRate));
  }
  return write(name, assets::wav_file(samples, kRate));
}

std::string SoundFiles::clicks(const std::string& name, double second_click) const {
  constexpr int kDivision = 480;  // at the default 120 beats a minute: 960 ticks a second
  constexpr int kDrums = 9, kClaves = 75;
  assets::MidiTrack track;
  track.control(0, kDrums, 91, 0);  // no reverb tail between the clicks
  track.control(0, kDrums, 93, 0);
  const auto at = static_cast<std::uint32_t>(std::lround(second_click * 2 * kDivision));
  track.note(0, 48, kDrums, kClaves, 127);
  track.note(at, 48, kDrums, kClaves, 127);
  track.end_at(at + 2 * kDivision);
  return write(name, assets::midi_file({track}, kDivision));
}
