#include "tests/reliability/soak_bot.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "world/angle.h"

namespace {

constexpr double kBulletStep = bullet_speed * 0.01;  // units a bullet flies per tick
constexpr int kLookAhead = 60;                        // ticks of flight worth aiming for

double distance(const VECTORD& a, const VECTORD& b) {
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

// Where the figure will be when a bullet fired now can first reach it, by
// stepping its ballistic flight forward; false when it stays out of reach.
bool meeting_point(const buttai& figure, const VECTORD& eye, VECTORD& at) {
  VECTORD pos = figure.pos;
  VECTORD vel = figure.vel;
  for (int ticks = 1; ticks <= kLookAhead; ++ticks) {
    vel.x += figure.accel.x * figure.dt.x;
    vel.y += figure.accel.y * figure.dt.y;
    vel.z += figure.accel.z * figure.dt.z;
    pos.x += vel.x * figure.dt.x;
    pos.y += vel.y * figure.dt.y;
    pos.z += vel.z * figure.dt.z;
    if (distance(pos, eye) <= kBulletStep * ticks) {
      at = pos;
      return true;
    }
  }
  return false;
}

}  // namespace

bool SoakBot::aim(Play_State& play) const {
  const buttai* nearest = nullptr;
  double nearest_distance = std::numeric_limits<double>::max();
  for (const auto& figure : play.field.hitoset) {
    const double d = distance(figure->pos, play.eye);
    if (figure->life > 0 && d < nearest_distance) {
      nearest = figure.get();
      nearest_distance = d;
    }
  }
  VECTORD at;
  if (nearest == nullptr || !meeting_point(*nearest, play.eye, at)) return false;

  // The line of sight is (sin yaw cos pitch, -sin pitch, -cos yaw cos pitch).
  const double dx = at.x - play.eye.x;
  const double dy = at.y - play.eye.y;
  const double dz = at.z - play.eye.z;
  // The inverse of the game's own conversion, so the shot flies where aimed.
  const double kDegrees = 1.0 / rad(1.0);
  play.yaw = std::clamp(std::atan2(dx, -dz) * kDegrees, -45.0, 45.0);
  play.pitch = std::clamp(std::atan2(-dy, std::hypot(dx, dz)) * kDegrees, -60.0, 20.0);
  return true;
}

void SoakBot::act(Play_State& play, Gamesystem& sys, long tick) const {
  if (aim(play) && tick % 2 == 0 && play.ammo > 0) {
    play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
    play.mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0, &sys);
  }
}
