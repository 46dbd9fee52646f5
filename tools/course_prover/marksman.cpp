#include "tools/course_prover/marksman.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_set>

#include "world/angle.h"
#include "world/hito.h"
#include "world/sweep.h"
#include "world/tama.h"

namespace course {
namespace {

// The mouse turns the view by 0.2 degrees a pixel, from a straight start.
constexpr double kDegreesPerPixel = 0.2;
// A flight is followed this long at most: 100 seconds.
constexpr std::size_t kLongestPath = 1000;

double quantised(double degrees) { return std::round(degrees / kDegreesPerPixel) * kDegreesPerPixel; }

// The bullet the play scene fires along this aim.
tama bullet_along(const Aim& aim) {
  tama bullet;
  bullet.life = 1.0;
  bullet.pos = kEye;
  bullet.size = 0.3;
  bullet.accel = 0.0;
  const double y = rad(aim.yaw);
  const double p = rad(aim.pitch);
  bullet.vel = {bullet_speed * std::sin(y) * std::cos(p), bullet_speed * -std::sin(p),
                bullet_speed * -std::cos(y) * std::cos(p)};
  bullet.prevpos = bullet.pos;
  bullet.slices = 10;
  bullet.kind = 0;
  bullet.pattern = 0;
  bullet.syoki();
  return bullet;
}

// The positions the person will take, flown by its own motion code from
// where it stands, up to the first one outside the arena.
std::vector<VECTORD> future_path(const buttai& person) {
  hito ghost;
  ghost.dt = person.dt;
  ghost.life = person.life;
  ghost.pos = person.pos;
  ghost.vel = person.vel;
  ghost.accel = person.accel;
  ghost.radius = person.radius;
  ghost.phase = person.phase;
  ghost.dirx = person.dirx;
  ghost.dirz = person.dirz;
  ghost.pattern = person.pattern;
  std::vector<VECTORD> path{ghost.pos};
  while (inside_arena(ghost.pos) && path.size() < kLongestPath) {
    ghost.move();
    path.push_back(ghost.pos);
  }
  return path;
}

double distance(const VECTORD& a, const VECTORD& b) {
  const VECTORD d = a - b;
  return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
}

double turn_between(const Aim& from, const Aim& to) {
  return std::hypot(to.yaw - from.yaw, to.pitch - from.pitch);
}

}  // namespace

void Marksman::observe(const Sniper_Field& field) {
  ++now_;
  std::unordered_set<const buttai*> present;
  for (const auto& person : field.hitoset) {
    const buttai* p = person.get();
    present.insert(p);
    auto found = tracks_.find(p);
    if (found != tracks_.end()) {
      found->second.life = p->life;
      continue;
    }
    Track track;
    track.first_seen = now_;
    track.reach = p->radius + bullet_along(Aim{}).radius / 2.0;
    track.life = p->life;
    track.path = future_path(*p);
    tracks_.emplace(p, std::move(track));
    ++launched_;
  }
  for (auto it = tracks_.begin(); it != tracks_.end();) {
    if (present.count(it->first) != 0) {
      ++it;
      continue;
    }
    if (it->second.life > 0.0) ++escapes_;
    if (target_ == it->first) target_ = nullptr;
    const buttai* gone = it->first;
    shots_in_flight_.erase(std::remove_if(shots_in_flight_.begin(), shots_in_flight_.end(),
                                          [gone](const Shot& s) { return s.target == gone; }),
                           shots_in_flight_.end());
    it = tracks_.erase(it);
  }
  shots_in_flight_.erase(std::remove_if(shots_in_flight_.begin(), shots_in_flight_.end(),
                                        [this](const Shot& s) { return s.lands <= now_; }),
                         shots_in_flight_.end());
}

std::int64_t Marksman::shot_lands(const Track& track, const Aim& aim, double share) const {
  const std::int64_t age = now_ - track.first_seen;
  const auto last = static_cast<std::int64_t>(track.path.size()) - 1;
  tama bullet = bullet_along(aim);
  for (std::int64_t tick = 1; age + tick <= last; ++tick) {
    const VECTORD from = bullet.pos;
    bullet.move();
    if (sweep_reaches(from, bullet.pos, track.path[age + tick], share * track.reach)) {
      return now_ + tick;
    }
    if (bullet.life <= 0.0) break;  // out of its box: this was its last sweep
  }
  return -1;
}

bool Marksman::solve(const Track& track, Solution& solution) const {
  const std::int64_t age = now_ - track.first_seen;
  const auto last = static_cast<std::int64_t>(track.path.size()) - 1;
  const double per_tick = bullet_speed * 0.01;
  for (std::int64_t tick = 1; age + tick <= last; ++tick) {
    const VECTORD& meet = track.path[age + tick];
    const double range = distance(meet, kEye);
    if (range > per_tick * static_cast<double>(tick)) continue;
    // The bullet reaches that far on this very tick: aim there or not at all.
    const Aim aim = aim_toward(meet);
    if (!within_aim_limits(aim) || range > kFarPlane || hidden_by_range(meet)) return false;
    solution.aim = aim;
    solution.lands = shot_lands(track, aim, 1.0);
    return solution.lands >= 0;
  }
  return false;
}

int Marksman::hits_still_needed(const buttai* person, const Track& track) const {
  const int hits_left = static_cast<int>(std::ceil(track.life / 100.0));
  const auto coming = std::count_if(shots_in_flight_.begin(), shots_in_flight_.end(),
                                    [person](const Shot& s) { return s.target == person; });
  return hits_left - static_cast<int>(coming);
}

const buttai* Marksman::choose_target(const Aim& aim) const {
  const buttai* best = nullptr;
  std::int64_t best_left = std::numeric_limits<std::int64_t>::max();
  double best_turn = 0.0;
  for (const auto& [person, track] : tracks_) {
    if (now_ - track.first_seen < limits_.reaction_ticks) continue;
    if (hits_still_needed(person, track) <= 0) continue;
    Solution solution;
    if (!solve(track, solution)) continue;
    // Finish what is begun: a new target must not pull the aim away.
    if (person == target_) return person;
    const std::int64_t left =
        static_cast<std::int64_t>(track.path.size()) - 1 - (now_ - track.first_seen);
    const double turn = turn_between(aim, solution.aim);
    // One that cannot be reached before it escapes is given up.
    if (turn / limits_.turn_per_tick > static_cast<double>(left)) continue;
    if (best == nullptr || left < best_left || (left == best_left && turn < best_turn)) {
      best = person;
      best_left = left;
      best_turn = turn;
    }
  }
  return best;
}

void Marksman::act(Play_State& play, Gamesystem& sys) {
  Aim aim{play.yaw, play.pitch};
  target_ = choose_target(aim);
  if (target_ == nullptr) return;
  const Track& track = tracks_.at(target_);
  Solution solution;
  if (!solve(track, solution)) return;

  const double turn = turn_between(aim, solution.aim);
  if (turn <= limits_.turn_per_tick) {
    aim = solution.aim;
  } else {
    const double share = limits_.turn_per_tick / turn;
    aim.yaw += (solution.aim.yaw - aim.yaw) * share;
    aim.pitch += (solution.aim.pitch - aim.pitch) * share;
  }
  aim = clamp_aim(Aim{quantised(aim.yaw), quantised(aim.pitch)});
  // The aim turns as the mouse turns it, by whole pixels through the scene,
  // so that a recording of the run holds every turn.
  play.turn_view(std::round((aim.yaw - play.yaw) / kDegreesPerPixel),
                 std::round((aim.pitch - play.pitch) / kDegreesPerPixel));
  aim = Aim{play.yaw, play.pitch};

  if (now_ - last_shot_ < limits_.ticks_between_shots) return;
  const std::int64_t lands = shot_lands(track, aim, limits_.steadiness);
  if (lands < 0) return;
  if (play.ammo <= 0) {
    ++dry_shots_;
    return;
  }
  play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
  last_shot_ = now_;
  shots_in_flight_.push_back(Shot{target_, lands});
}

}  // namespace course
