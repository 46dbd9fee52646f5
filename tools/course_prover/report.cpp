#include "tools/course_prover/report.h"

#include <cstdio>
#include <limits>

namespace course {
namespace {

template <typename... Args>
std::string formatted(const char* format, Args... args) {
  char line[256];
  std::snprintf(line, sizeof line, format, args...);
  return line;
}

}  // namespace

std::string proof_report(const std::string& name, const CourseProof& proof, const ProofSettings& settings) {
  std::string out = formatted("%s: %zu stages, %s\n", name.c_str(), proof.stages.size(),
                              proof.proven() ? "proven" : "NOT PROVEN");
  out += formatted("  player: turns %.1f degrees a tick, reacts after %d ticks, fires every %d ticks\n",
                   settings.player.turn_per_tick, settings.player.reaction_ticks,
                   settings.player.ticks_between_shots);
  out += "  stage figures hits bullets shots escapes lives  skill  slowest-turn  longest-reaction\n";
  for (std::size_t k = 0; k < proof.stages.size(); ++k) {
    const StageProof& s = proof.stages[k];
    const int lives = s.fewest_lives == std::numeric_limits<int>::max() ? -1 : s.fewest_lives;
    out += formatted("  %5zu %7d %4d %7d %5d %7d %5d  %4.0f%%  %12.2f  %16d%s\n", k + 1, s.launched,
                     s.hits_needed, s.granted, s.most_shots, s.most_escapes, lives,
                     s.least_skill * 100.0, s.slowest_turn, s.longest_reaction,
                     s.trivial ? "  trivial" : "");
  }
  if (proof.granted > 0) {
    out += formatted("  course: %d bullets, at most %d shots, %.0f%% spare at least\n", proof.granted,
                     proof.most_shots, proof.least_spare * 100.0);
  }
  for (const std::string& failure : proof.failures) out += "  failed: " + failure + "\n";
  return out;
}

}  // namespace course
