#include "tools/golden_trace/golden_script.h"

#include <fstream>
#include <sstream>

#include "play/headless_run.h"
#include "play/run_trace.h"

namespace golden {

std::vector<replay::Input> script(std::int32_t ticks) {
  std::vector<replay::Input> inputs;
  for (std::int32_t t = 0; t < ticks; ++t) {
    replay::Input aim;
    aim.tick = t;
    aim.kind = replay::InputKind::aim;
    // Sweeps 18 degrees either way and from level to 9 degrees up and back;
    // every seventh move has a fraction, alternately up and down.
    const double fraction = t % 7 != 0 ? 0.0 : ((t / 7) % 2 == 0 ? 0.375 : -0.375);
    aim.dx = (((t + 22) / 45) % 2 == 0 ? 4.0 : -4.0) + fraction;
    aim.dy = ((t / 30) % 2 == 0 ? -1.5 : 1.5) - fraction;
    inputs.push_back(aim);
    if (t % 2 == 0) {
      replay::Input click;
      click.tick = t;
      click.kind = replay::InputKind::click;
      inputs.push_back(click);
    }
    if (t % 25 == 24) {
      replay::Input retry;
      retry.tick = t;
      retry.kind = replay::InputKind::key;
      retry.key = 'y';
      inputs.push_back(retry);
    }
  }
  return inputs;
}

std::string trace(const std::string& course_file, const std::vector<replay::Input>& inputs,
                  std::int32_t ticks) {
  std::ifstream file(course_file);
  std::ostringstream text;
  text << file.rdbuf();
  Run_Start start;
  start.course_name = course_file;
  start.course_text = text.str();
  Headless_Run run(start);
  Run_Trace checksum;
  std::size_t next = 0;
  for (std::int32_t t = 0; t < ticks; ++t) {
    while (next < inputs.size() && inputs[next].tick <= t) run.deliver(inputs[next++]);
    run.tick();
    checksum.ticked(run.play());
  }
  return checksum.hex();
}

}  // namespace golden
