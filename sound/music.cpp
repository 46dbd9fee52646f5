#include "sound/music.h"

#include "sound/audio.h"
#include "sound/music_player.h"

int music::Init(int type, const char* file) {
  sound::open_audio_on_first_use();
  sound::MusicPlayer* const player = sound::music_player();
  const std::uint32_t id = player != nullptr ? player->open(type, file) : 0;
  if (id == 0) {
    IsOpen = 0;
    return 0;
  }
  DeviceID = id;
  IsOpen = 1;
  return 1;
}

int music::Play() {
  if (IsOpen == 0) return 1;
  sound::MusicPlayer* const player = sound::music_player();
  if (player == nullptr || !player->play(DeviceID)) {
    Term();
    return 0;
  }
  return 1;
}

void music::Term() {
  if (IsOpen != 1) return;
  if (sound::MusicPlayer* const player = sound::music_player()) player->close(DeviceID);
  IsOpen = 0;
}
