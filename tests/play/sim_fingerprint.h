#pragma once
// A whole course played from one input stream, with the simulation's entire
// state taken down after every tick, so that two runs can be compared bit for
// bit. Frames of any kind can be slipped in between the ticks.
#include <GL/freeglut.h>

#include <cmath>
#include <cstring>
#include <string>
#include <typeinfo>
#include <vector>

#include "play/play_state.h"
#include "states/gamesystem.h"
#include "world/buttai.h"
#include "world/random.h"

// Three stages: figures of every kind in view, two waves per stage, and a
// spawner whose figures escape at once, so that hits, combos, escapes, a
// stage change, the end of the course and a retry all happen.
inline std::string busy_course() {
  auto spawner = [](double x, double z, int interval, int angle, int spread, int speed, int num,
                    int delay, double size, int kind) {
    return std::to_string(x) + " 0 " + std::to_string(z) + " " + std::to_string(interval) + " " +
           std::to_string(angle) + " " + std::to_string(spread) + " " + std::to_string(speed) +
           " " + std::to_string(num) + " " + std::to_string(delay) + " " + std::to_string(size) +
           " " + std::to_string(kind) + "\n";
  };
  return "3\n"
         "3 40\n" +
         spawner(0, -45, 4, 85, 10, 160, 6, 0, 1.5, 0) +
         spawner(-8, -60, 6, 70, 40, 170, 4, 3, 2.0, 1) +
         spawner(100, -50, 9, 90, 0, 0, 2, 20, 1.0, 0) + "2 30\n" +
         spawner(6, -50, 3, 100, 20, 150, 8, 0, 1.5, 2) +
         spawner(-4, -40, 5, 80, 20, 165, 5, 2, 1.8, 0) + "2 20\n" +
         spawner(0, -55, 2, 90, 30, 170, 10, 0, 1.6, 1) +
         spawner(100, -50, 1, 90, 0, 0, 6, 10, 1.0, 0);
}

class Fingerprint {
 public:
  template <typename T>
  void add(const T& value) {
    const auto* bytes = reinterpret_cast<const char*>(&value);
    text_.append(bytes, sizeof value);
  }
  void add(const VECTORD& v) {
    add(v.x);
    add(v.y);
    add(v.z);
  }
  void add(const buttai& object) {
    text_ += typeid(object).name();
    add(object.dt);
    add(object.life);
    add(object.pos);
    add(object.size);
    add(object.vel);
    add(object.accel);
    add(object.radius);
    add(object.slices);
    add(object.phase);
    add(object.dirx);
    add(object.dirz);
    add(object.kind);
    add(object.pattern);
    add(object.prevpos);
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// Everything the simulation holds: every object of every list in order, the
// spawners, the counters of the field and the scene, the aim and the place in
// the course file, and the hits reported since `hits_base`.
inline std::string fingerprint(Play_State& play, int hits_base) {
  Fingerprint f;
  for (const auto* list : {&play.field.hitoset, &play.field.tamaset, &play.field.buildingset}) {
    f.add(list->size());
    for (const auto& object : *list) f.add(*object);
  }
  f.add(play.field.canonset.size());
  for (const Canon& canon : play.field.canonset) {
    f.add(canon.att.pos);
    for (int value : {canon.att.interval, canon.att.angle, canon.att.spread, canon.att.speed,
                      canon.att.num, canon.att.delay, canon.att.kind, canon.rest, canon.wait}) {
      f.add(value);
    }
    f.add(canon.att.size);
  }
  for (std::int32_t value : {play.field.remain, play.field.clearcount, play.field.hits,
                             play.field.lives, play.field.tick, play.field.combo, play.stagenum,
                             play.ammo, play.stage, play.shots, play.turn}) {
    f.add(value);
  }
  f.add(play.finished);
  f.add(play.allclear);
  f.add(play.yaw);
  f.add(play.pitch);
  f.add(play.eye);
  f.add(static_cast<long long>(play.stagein.tellg()));
  f.add(shothitg - hits_base);
  return f.text();
}

// What may be slipped in around the ticks of a run; the plain run does nothing.
class Between_Ticks {
 public:
  virtual ~Between_Ticks() = default;
  virtual void before_tick(Play_State&) {}
  virtual void after_tick(Play_State&, Gamesystem&) {}
  // After every tick and after every turn of the aim.
  virtual void frame(Play_State&, Gamesystem&) {}
};

struct Run_Record {
  std::vector<std::string> ticks;  // the fingerprint after every tick
  std::vector<int> next_random;    // the random sequence where the run left it
  int hits = 0;
  int escapes = 0;
  int stage_changes = 0;
  int retries = 0;
};

// Plays `tick_count` ticks of the course already started in `play`, from
// random state 1. Before every tick the aim is turned towards the oldest
// live figure in three moves, and every other tick a shot is fired; a
// finished course is retried.
inline Run_Record play_run(Play_State& play, Gamesystem& sys, Between_Ticks& extra,
                           int tick_count) {
  Run_Record record;
  const int hits_before = shothitg;
  std::int32_t stage = play.stage;
  std::int32_t lives = play.field.lives;
  for (int t = 0; t < tick_count; ++t) {
    const buttai* target = nullptr;
    for (const auto& person : play.field.hitoset) {
      if (person->life > 0 && person->pos.z < -5) {
        target = person.get();
        break;
      }
    }
    if (target != nullptr) {
      const VECTORD d = target->pos - play.eye;
      const double want_yaw = std::atan2(d.x, -d.z) * 180.0 / M_PI;
      const double want_pitch = -std::atan2(d.y, std::sqrt(d.x * d.x + d.z * d.z)) * 180.0 / M_PI;
      // Whole pixels, as a mouse gives them, in three moves.
      const double dx = std::round((want_yaw - play.yaw) * 5.0);
      const double dy = std::round((want_pitch - play.pitch) * 5.0);
      for (int part = 0; part < 3; ++part) {
        play.turn_view(std::trunc(dx / 3.0), std::trunc(dy / 3.0));
        extra.frame(play, sys);
      }
    }
    if (t % 2 == 0) play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
    if (play.finished) {
      play.keyboard('y', 0, 0, &sys);
      ++record.retries;
      stage = play.stage;
      lives = play.field.lives;
    }
    extra.before_tick(play);
    play.timer(0, &sys);
    extra.after_tick(play, sys);
    extra.frame(play, sys);
    if (play.stage != stage) ++record.stage_changes;
    if (play.field.lives < lives) ++record.escapes;
    stage = play.stage;
    lives = play.field.lives;
    record.ticks.push_back(fingerprint(play, hits_before));
  }
  record.hits = shothitg - hits_before;
  for (int i = 0; i < 4; ++i) record.next_random.push_back(random15());
  return record;
}
