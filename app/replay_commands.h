#pragma once
// The replay options of the command line: checking a recorded run headless,
// and the file names the player typed.
#include <ostream>
#include <string>

#include "replay/replay_file.h"

// Status of a replay file that cannot be read or played.
inline constexpr int bad_replay_status = 3;

// A FILE typed on the command line, taken relative to the folder the
// command was typed in: the launcher changes folder before the game starts
// and names the caller's folder in QUORRELSTEAD_CALLER_DIR.
std::string caller_path(const std::string& file);

// Reads the replay, or prints why it cannot be played (one line) on err.
bool load_replay(const std::string& file, replay::Replay& recorded, std::ostream& err);

// Plays the run again headless and prints one line with the result on out:
// status 0 when it equals the recorded result, 1 when it differs, and
// bad_replay_status when the file cannot be read. A course of the same name
// in the working folder whose text differs is mentioned on out.
int verify_replay(const std::string& file, std::ostream& out, std::ostream& err);
