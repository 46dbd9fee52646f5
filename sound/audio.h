#pragma once
// The audio device: SDL with its mixer, opened once for the whole game. It
// opens on first use (the music's Init or the first effect) or when asked,
// and closes by itself when the process ends, however it ends through exit.
// Without a usable device every sound call quietly does nothing.
#include <string>

namespace sound {

class MusicPlayer;

// Debian's General MIDI soundfont.
inline constexpr const char* kDefaultSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The files decoded as soon as the device opens, so that no effect the game
// plays costs a file read on the game thread.
inline constexpr const char* kGameEffects[] = {"shot.wav", "kara.wav", "ata.wav", "cap.wav", "life.wav"};

// Opens the device if it is not open; true when it is open afterwards.
// Installs the device's effect sink unless another sink has been chosen.
bool open_audio();
// Stops every sound and closes the device; the next sound wanted opens it
// again (but nothing reopens it once the process is exiting).
void close_audio();
bool audio_is_open();

// Opens the device the first time any sound is wanted. Unlike open_audio it
// does not try again after a failure, so a machine without sound pays once.
void open_audio_on_first_use();

// The soundfont the next device to open plays MIDI music with.
void set_soundfont(std::string path);

// The open device's music player, or null.
MusicPlayer* music_player();

}  // namespace sound
