// Writes the game's music and effects into the folder given, the same bytes
// on every run.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/atomic_file.h"
#include "tools/sound_assets/effects.h"
#include "tools/sound_assets/tune.h"
#include "tools/sound_assets/wav_writer.h"

namespace {

constexpr int kEffectRate = 22050;

bool write(const std::string& folder, const char* name, const std::string& contents) {
  const std::string path = folder + "/" + name;
  if (platform::write_file_atomically(path, contents)) return true;
  std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  try {
    const bool written = write(folder, "bgm.mid", assets::background_music()) &&
                         write(folder, "shot.wav", assets::wav_file(assets::rifle_shot(kEffectRate), kEffectRate)) &&
                         write(folder, "kara.wav", assets::wav_file(assets::empty_click(kEffectRate), kEffectRate)) &&
                         write(folder, "ata.wav", assets::wav_file(assets::bright_hit(kEffectRate), kEffectRate)) &&
                         write(folder, "cap.wav", assets::wav_file(assets::escape_tone(kEffectRate), kEffectRate)) &&
                         write(folder, "life.wav", assets::wav_file(assets::bonus_arpeggio(kEffectRate), kEffectRate));
    return written ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "sound assets: %s\n", error.what());
    return 1;
  }
}
