#include "app/replay_commands.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/encoding.h"
#include "play/headless_run.h"
#include "play/results.h"
#include "world/stage_reader.h"

namespace {

std::string describe(const replay::Result& r) {
  std::ostringstream text;
  text << "stage " << r.stage + 1 << ", " << r.shots << " shots, " << r.hits << " hits, " << r.lives
       << " lives, " << (r.cleared ? "cleared" : "not cleared") << ", " << r.title << ", " << r.ticks
       << " ticks";
  return text.str();
}

// The text of a course of that name in the working folder, if there is one.
bool installed_text(const std::string& name, std::string& text) {
  std::ifstream file(name, std::ios::binary);
  if (!file.is_open()) return false;
  std::ostringstream all;
  all << file.rdbuf();
  text = all.str();
  return true;
}

}  // namespace

std::string caller_path(const std::string& file) {
  const char* caller = std::getenv("QUORRELSTEAD_CALLER_DIR");
  if (file.empty() || file[0] == '/' || caller == nullptr || caller[0] == '\0') return file;
  return std::string(caller) + "/" + file;
}

bool load_replay(const std::string& file, replay::Replay& recorded, std::ostream& err) {
  const replay::Decoded decoded = replay::read_replay_file(caller_path(file));
  if (!decoded.ok()) {
    err << "quorrelstead: " << file << ": " << decoded.error << "\n";
    return false;
  }
  std::istringstream course(decoded.replay.course_text);
  if (read_stage_count(course) < 1) {
    err << "quorrelstead: " << file << ": the replay's course has no stages\n";
    return false;
  }
  recorded = decoded.replay;
  return true;
}

int verify_replay(const std::string& file, std::ostream& out, std::ostream& err) {
  replay::Replay recorded;
  if (!load_replay(file, recorded, err)) return bad_replay_status;
  // The rank title is Japanese: written in the terminal's encoding, as every
  // console line of the game is.
  const auto say = [&out](const std::string& utf8) { out << platform::to_console(utf8) << "\n"; };
  std::string installed;
  if (installed_text(recorded.course_name, installed) && installed != recorded.course_text) {
    say(file + ": the installed " + recorded.course_name +
        " differs from the course in the replay; checked against the replay's");
  }
  const Playback back = play_back(run_start_of(recorded), recorded.inputs, recorded.result.ticks);
  if (back.ended && back.result == recorded.result) {
    say(file + ": verified: " + recorded.course_name + ", " + describe(back.result));
    return 0;
  }
  say(file + ": DIFFERS: recorded " + describe(recorded.result) + "; played again " +
      describe(back.result) + (back.ended ? "" : " (not ended)"));
  return 1;
}
