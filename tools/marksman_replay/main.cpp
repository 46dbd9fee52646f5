// Records the course prover's marksman playing a course through the play
// scene, as the window would record a player, and writes the replay:
//   marksman_replay COURSE OUT.qsr
// Prints the ticks played, the file's size and its bytes per minute of play.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/atomic_file.h"
#include "play/headless_run.h"
#include "play/replay_recorder.h"
#include "replay/replay_file.h"
#include "states/menu_state.h"
#include "tools/course_prover/marksman.h"

namespace {

int level_of(const std::string& name) {
  for (int level = 0; level < 4; ++level) {
    if (name == courses[level].stagefile) return level;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: marksman_replay COURSE OUT.qsr\n";
    return 2;
  }
  const std::string path = argv[1];
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) {
    std::cerr << "marksman_replay: cannot read " << path << "\n";
    return 2;
  }
  std::ostringstream text;
  text << file.rdbuf();

  Run_Start start;
  start.course_name = path.substr(path.find_last_of('/') + 1);
  start.course_text = text.str();
  start.level = level_of(start.course_name);
  replay::Replay recorded;
  Replay_Recorder recorder([&recorded](const replay::Replay& r, std::int64_t) { recorded = r; });
  Headless_Run run(start, &recorder);
  course::Marksman marksman(course::HumanLimits{});
  while (!run.play().finished && run.play().ticks_played < replay::kMaxTicks) {
    marksman.act(run.scene(), run.system());
    run.tick();
    marksman.observe(run.play().field);
  }
  if (!run.play().finished) {
    std::cerr << "marksman_replay: " << path << " did not end\n";
    return 1;
  }
  const std::string bytes = replay::encode(recorded);
  if (!platform::write_file_atomically(argv[2], bytes)) {
    std::cerr << "marksman_replay: cannot write " << argv[2] << "\n";
    return 1;
  }
  const double minutes = recorded.result.ticks / 600.0;
  std::printf("%s: %d ticks (%.1f min), %zu inputs, %zu bytes, %.0f bytes per minute\n",
              start.course_name.c_str(), recorded.result.ticks, minutes, recorded.inputs.size(), bytes.size(),
              static_cast<double>(bytes.size()) / minutes);
  return 0;
}
