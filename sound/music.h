#pragma once
// The background-music player. One piece at a time; Play always starts it
// from its beginning and never blocks the game.
#include <cstdint>

class music {
 public:
  // Device types: 2 plays the file as MIDI; 1, 3 and any other value open it
  // as wave audio. Returns 1 when open, 0 when opening failed.
  int Init(int type, const char* file);
  // Starts the piece from position 0. Returns 0 only when a play command was
  // sent and failed (the player is then closed); 1 otherwise.
  int Play();
  // Closes the player if it is open.
  void Term();

  std::uint32_t DeviceID = 0;
  std::int32_t IsOpen = 0;
};
