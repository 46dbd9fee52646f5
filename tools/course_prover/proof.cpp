#include "tools/course_prover/proof.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <stdexcept>

#include "tools/course_prover/course_run.h"

namespace course {
namespace {

// A stage measured on its own gets bullets enough for any player.
constexpr int kPlentifulBullets = 1000;
// Deals used when measuring a stage's difficulty: fewer, as it plays often.
constexpr std::size_t kMeasuringOffsets = 6;
constexpr double kTurnResolution = 0.05;
constexpr double kSkillResolution = 0.01;
constexpr int kLongestReaction = 100;

constexpr SpreadPoint kPinnedPoints[] = {SpreadPoint::low, SpreadPoint::middle, SpreadPoint::high,
                                         SpreadPoint::low_high, SpreadPoint::high_low};

// A course written where the play scene can open it; removed again after.
class TempCourseFile {
 public:
  explicit TempCourseFile(const Course& course) {
    static int count = 0;
    path_ = (std::filesystem::temp_directory_path() /
             ("qs_course_" + std::to_string(::getpid()) + "_" + std::to_string(count++) + ".txt"))
                .string();
    std::ofstream out(path_, std::ios::binary);
    out << course_text(course);
    if (!out.flush()) throw std::runtime_error("cannot write " + path_);
  }
  ~TempCourseFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  TempCourseFile(const TempCourseFile&) = delete;
  TempCourseFile& operator=(const TempCourseFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// One way the random sequence can fall.
struct Deal {
  std::string name;
  const TempCourseFile* file;
  std::uint64_t offset;
};

// The deals for a course and its pinned copies: the course under every
// offset, each pinned copy once (pinned spreads take nothing from the deal).
class Deals {
 public:
  Deals(const Course& course, const std::vector<std::uint64_t>& offsets) {
    files_.push_back(std::make_unique<TempCourseFile>(course));
    for (const std::uint64_t offset : offsets) {
      deals_.push_back({"the deal after " + std::to_string(offset) + " launches", files_[0].get(), offset});
    }
    for (const SpreadPoint point : kPinnedPoints) {
      files_.push_back(std::make_unique<TempCourseFile>(with_pinned_spreads(course, point)));
      deals_.push_back({std::string("spreads at their ") + spread_point_name(point), files_.back().get(), 0});
    }
  }
  const std::vector<Deal>& all() const { return deals_; }

 private:
  std::vector<std::unique_ptr<TempCourseFile>> files_;
  std::vector<Deal> deals_;
};

bool clears_every_deal(const Deals& deals, const HumanLimits& limits, std::int64_t tick_limit) {
  for (const Deal& deal : deals.all()) {
    const CoursePlay play = play_course(deal.file->path(), limits, deal.offset, tick_limit);
    if (play.timed_out || play.overcrowded || !play.all_clear) return false;
    for (const StagePlay& stage : play.stages) {
      if (stage.escapes > 0) return false;
    }
  }
  return true;
}

// The player scaled down to a share of its skill.
HumanLimits with_skill(const HumanLimits& player, double skill) {
  HumanLimits limits = player;
  limits.turn_per_tick = player.turn_per_tick * skill;
  limits.reaction_ticks = static_cast<int>(std::lround(player.reaction_ticks / skill));
  limits.ticks_between_shots = static_cast<int>(std::lround(player.ticks_between_shots / skill));
  limits.steadiness = player.steadiness * skill;
  return limits;
}

std::string stage_name(std::size_t stage) { return "stage " + std::to_string(stage + 1); }

// Plays the course under every deal; false when it never ends under one, as
// measuring such a course would only take long to say the same.
bool play_every_deal(const Course& course, const ProofSettings& settings, CourseProof& proof) {
  bool ends = true;
  const Deals deals(course, settings.offsets);
  for (const Deal& deal : deals.all()) {
    const CoursePlay play = play_course(deal.file->path(), settings.player, deal.offset, settings.tick_limit);
    if (play.timed_out || play.overcrowded) {
      proof.failures.push_back(std::string(play.timed_out ? "the course never ends"
                                                           : "more than " + std::to_string(kCrowdLimit) +
                                                                 " figures fly at once") +
                               " under " + deal.name);
      ends = false;
      continue;
    }
    int shots = 0;
    for (std::size_t k = 0; k < play.stages.size(); ++k) {
      const StagePlay& stage = play.stages[k];
      StageProof& worst = proof.stages[k];
      worst.most_shots = std::max(worst.most_shots, stage.shots);
      worst.most_escapes = std::max(worst.most_escapes, stage.escapes);
      worst.fewest_lives = std::min(worst.fewest_lives, stage.lives_left);
      shots += stage.shots;
      if (stage.escapes > 0) {
        proof.failures.push_back(stage_name(k) + ": " + std::to_string(stage.escapes) +
                                 " figures escape under " + deal.name +
                                 (stage.dry_shots > 0 ? ", the bullets ran out" : ""));
      }
    }
    if (!play.all_clear) {
      proof.failures.push_back("the course is lost at " + stage_name(play.stages.size() - 1) +
                               " under " + deal.name);
    }
    proof.most_shots = std::max(proof.most_shots, shots);
    if (proof.granted > 0) {
      proof.least_spare = std::min(proof.least_spare, 1.0 - static_cast<double>(shots) / proof.granted);
    }
  }
  if (proof.least_spare < settings.least_spare) {
    proof.failures.push_back("only " + std::to_string(static_cast<int>(proof.least_spare * 100.0)) +
                             "% of the course's bullets are left over in the worst deal");
  }
  return ends;
}

void measure_stage(const Course& course, std::size_t k, const ProofSettings& settings, CourseProof& proof) {
  std::vector<std::uint64_t> offsets(settings.offsets.begin(),
                                     settings.offsets.begin() +
                                         static_cast<std::ptrdiff_t>(std::min(kMeasuringOffsets, settings.offsets.size())));
  const Deals deals(single_stage(course, k, kPlentifulBullets), offsets);
  const auto clears = [&](const HumanLimits& limits) {
    return clears_every_deal(deals, limits, settings.tick_limit);
  };
  StageProof& stage = proof.stages[k];
  if (!clears(settings.player)) {
    proof.failures.push_back(stage_name(k) + " cannot be cleared on its own");
    return;
  }
  // Less skill makes a stage harder, never easier, for this player: the
  // limits are found by halving.
  double able = 1.0, unable = 0.0;
  while (able - unable > kSkillResolution) {
    const double skill = (able + unable) / 2.0;
    (clears(with_skill(settings.player, skill)) ? able : unable) = skill;
  }
  stage.least_skill = able;
  stage.trivial = able <= settings.trivial_skill;
  if (k > 0 && stage.trivial) {
    proof.failures.push_back(stage_name(k) + " is trivial: a player of " +
                             std::to_string(static_cast<int>(settings.trivial_skill * 100.0)) +
                             "% skill clears it");
  }

  HumanLimits limits = settings.player;
  double cleared = settings.player.turn_per_tick, failed = 0.0;
  while (cleared - failed > kTurnResolution) {
    limits.turn_per_tick = (cleared + failed) / 2.0;
    (clears(limits) ? cleared : failed) = limits.turn_per_tick;
  }
  stage.slowest_turn = cleared;

  limits = settings.player;
  int in_time = settings.player.reaction_ticks, too_late = kLongestReaction + 1;
  while (too_late - in_time > 1) {
    limits.reaction_ticks = (in_time + too_late) / 2;
    (clears(limits) ? in_time : too_late) = limits.reaction_ticks;
  }
  stage.longest_reaction = in_time;
}

}  // namespace

CourseProof prove_course(const Course& course, const ProofSettings& settings) {
  CourseProof proof;
  proof.stages.resize(course.stages.size());
  for (std::size_t k = 0; k < course.stages.size(); ++k) {
    const StageSection& section = course.stages[k];
    StageProof& stage = proof.stages[k];
    stage.granted = section.bullets;
    stage.fewest_lives = std::numeric_limits<int>::max();
    for (const Canon_attrib& att : section.spawners) {
      stage.launched += std::max(att.num, 0);
      stage.hits_needed += std::max(att.num, 0) * (att.kind + 1);
    }
    proof.granted += section.bullets;
  }
  const bool ends = play_every_deal(course, settings, proof);
  if (ends && settings.measure_difficulty) {
    for (std::size_t k = 0; k < course.stages.size(); ++k) measure_stage(course, k, settings, proof);
  }
  return proof;
}

}  // namespace course
