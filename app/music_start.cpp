#include "app/music_start.h"

#include <functional>
#include <system_error>
#include <thread>

#include "sound/audio.h"

namespace {

// Only the main thread starts and joins it. Never destroyed: a path that
// leaves without joining (the toolkit's exit on a lost display) must not
// abort on a joinable thread.
std::thread& starter = *new std::thread;

void open_and_play(music& bgm) {
  sound::open_audio_on_first_use();
  bgm.Init(2, "bgm.mid");
  bgm.Play();
}

}  // namespace

void start_music_in_background(music& bgm) {
  try {
    starter = std::thread(open_and_play, std::ref(bgm));
  } catch (const std::system_error&) {
    open_and_play(bgm);
  }
}

void finish_music_start() {
  if (starter.joinable()) starter.join();
}
