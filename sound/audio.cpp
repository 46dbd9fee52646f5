#include "sound/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <cstdlib>
#include <memory>

#include "sound/effect_bank.h"
#include "sound/effect_seam.h"
#include "sound/music_player.h"

namespace sound {
namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
// About 23 ms a buffer: an effect is heard at most that long after the call,
// and the synthesiser has a whole buffer's time to render the next one.
constexpr int kBufferFrames = 1024;
constexpr int kEffectChannel = 0;
constexpr int kWaveMusicChannel = 1;

struct Device {
  Device(int rate, int channels, const std::string& soundfont)
      : music(rate, channels, kWaveMusicChannel, soundfont) {}
  // Members go in reverse: the music detaches from the audio thread before
  // the effects are freed, and both before the mixer closes.
  EffectBank effects{kEffectChannel};
  MusicPlayer music;
};

struct State {
  std::unique_ptr<Device> device;
  std::string soundfont = kDefaultSoundfont;
  bool tried = false;
  bool exiting = false;
  bool exit_hook_registered = false;
};

// Never destroyed, so that a sound call from another object's teardown at
// exit still finds it; the device itself is closed by the exit hook.
State& state() {
  static State& s = *new State;
  return s;
}

void SDLCALL discard_sdl_log(void*, int, SDL_LogPriority, const char*) {}
void discard_alsa_error(const char*, int, const char*, int, const char*, ...) {}

// ALSA's library prints its failures (no card, no such device) on stderr;
// the game runs silently when there is no sound. The handler is set once,
// and the library kept loaded for good, so that it outlives every later use.
void hush_alsa() {
  static const bool hushed = [] {
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    void* const alsa = dlopen("libasound.so.2", RTLD_LAZY);
    void* const setter = alsa != nullptr ? dlsym(alsa, "snd_lib_error_set_handler") : nullptr;
    if (setter != nullptr) reinterpret_cast<int (*)(ErrorHandler)>(setter)(discard_alsa_error);
    return setter != nullptr;
  }();
  static_cast<void>(hushed);
}

// SDL reports through its own log (the disk driver announces itself there);
// we are SDL's only user in this program.
void quiet_platform_logs() {
  SDL_LogSetOutputFunction(discard_sdl_log, nullptr);
  hush_alsa();
}

void close_at_exit() {
  state().exiting = true;
  close_audio();
}

bool open_device(State& s) {
  quiet_platform_logs();
  // The game's own handling of Ctrl+C and termination must stay in force.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kBufferFrames) != 0) {
    SDL_Quit();
    return false;
  }
  int rate = 0, channels = 0;
  Uint16 format = 0;
  if (Mix_QuerySpec(&rate, &format, &channels) == 0 || format != AUDIO_S16SYS || channels < 1) {
    Mix_CloseAudio();
    SDL_Quit();
    return false;
  }
  // Two channels, both kept out of automatic allocation: one for effects,
  // one for music opened as wave audio.
  Mix_AllocateChannels(2);
  Mix_ReserveChannels(2);

  s.device = std::make_unique<Device>(rate, channels, s.soundfont);
  for (const char* effect : kGameEffects) s.device->effects.preload(effect);
  offer_effect_sink(&s.device->effects);
  if (!s.exit_hook_registered) s.exit_hook_registered = std::atexit(close_at_exit) == 0;
  return true;
}

}  // namespace

bool open_audio() {
  State& s = state();
  if (s.device) return true;
  if (s.exiting) return false;
  s.tried = true;
  return open_device(s);
}

void open_audio_on_first_use() {
  if (!state().tried) open_audio();
}

void close_audio() {
  State& s = state();
  s.tried = false;  // the next sound wanted may open it again, except at exit
  if (!s.device) return;
  withdraw_effect_sink(&s.device->effects);
  s.device.reset();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_Quit();
}

bool audio_is_open() { return state().device != nullptr; }

void set_soundfont(std::string path) { state().soundfont = std::move(path); }

MusicPlayer* music_player() {
  State& s = state();
  return s.device ? &s.device->music : nullptr;
}

}  // namespace sound
