#pragma once
// The audio device, the soundfont and the background music open on a thread
// of their own, started at launch, so that the window and the console prompt
// do not wait for them. Until the start is joined, nothing else in the
// program touches the sound layer or the music player handed over.
#include "sound/music.h"

// Opens the audio device and starts bgm playing "bgm.mid", on another thread
// when one can be started, else right here. Call once, on the main thread.
void start_music_in_background(music& bgm);

// Waits until the start above has finished; does nothing when there is none
// to wait for. Call on the main thread before any other sound call, and
// before the process ends.
void finish_music_start();
