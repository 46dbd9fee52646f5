#pragma once
// The game's background music, composed here note by note.
#include <string>

namespace assets {

// The whole tune as a standard MIDI file (format 1): lead, flute, harp,
// strings, bass and drums, about one hundred seconds long.
std::string background_music();

}  // namespace assets
