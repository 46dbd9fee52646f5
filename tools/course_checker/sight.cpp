#include "tools/course_checker/sight.h"

#include <algorithm>
#include <cmath>

#include "world/angle.h"

namespace course {
namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.14159265;

constexpr double kGroundY = -0.5;
constexpr double kGroundNear = 25.0;
constexpr double kGroundFar = -375.0;
constexpr double kWallBottom = -1.0;
constexpr double kWallTop = 15.0;
constexpr double kWallNear = 5.0;

// How far along the line from the eye to the point one coordinate, going
// from `eye_value` to `point_value`, passes `plane`: a fraction strictly
// between 0 and 1, or -1 when the line does not reach it.
double crossing(double eye_value, double point_value, double plane) {
  const double span = point_value - eye_value;
  if (span == 0.0) return -1.0;
  const double t = (plane - eye_value) / span;
  return t > 0.0 && t < 1.0 ? t : -1.0;
}

VECTORD along(const VECTORD& point, double t) {
  return VECTORD{kEye.x + (point.x - kEye.x) * t, kEye.y + (point.y - kEye.y) * t,
                 kEye.z + (point.z - kEye.z) * t};
}

}  // namespace

Aim aim_toward(const VECTORD& point) {
  const VECTORD d = point - kEye;
  const double ahead = std::sqrt(d.x * d.x + d.z * d.z);
  return Aim{std::atan2(d.x, -d.z) * kDegreesPerRadian, -std::atan2(d.y, ahead) * kDegreesPerRadian};
}

Aim clamp_aim(const Aim& aim) {
  return Aim{std::clamp(aim.yaw, -kYawLimit, kYawLimit), std::clamp(aim.pitch, kPitchUp, kPitchDown)};
}

bool within_aim_limits(const Aim& aim) {
  return aim.yaw >= -kYawLimit && aim.yaw <= kYawLimit && aim.pitch >= kPitchUp &&
         aim.pitch <= kPitchDown;
}

VECTORD to_eye_space(const VECTORD& point, const Aim& aim) {
  // The view turns by yaw about y, then by pitch about x.
  const VECTORD v = point - kEye;
  const double cy = std::cos(rad(aim.yaw)), sy = std::sin(rad(aim.yaw));
  const double cp = std::cos(rad(aim.pitch)), sp = std::sin(rad(aim.pitch));
  const double x1 = cy * v.x + sy * v.z;
  const double z1 = -sy * v.x + cy * v.z;
  return VECTORD{x1, cp * v.y - sp * z1, sp * v.y + cp * z1};
}

bool in_view(const VECTORD& point, const Aim& aim) {
  const VECTORD e = to_eye_space(point, aim);
  const double depth = -e.z;
  if (depth < kNearPlane || depth > kFarPlane) return false;
  const double edge = depth * std::tan(rad(kHalfFieldOfView));
  const double scope = depth * kScopeRadius;
  return std::fabs(e.x) <= edge && std::fabs(e.y) <= edge && e.x * e.x + e.y * e.y <= scope * scope;
}

bool hidden_by_range(const VECTORD& point) {
  const double to_ground = crossing(kEye.y, point.y, kGroundY);
  if (to_ground >= 0.0) {
    const VECTORD g = along(point, to_ground);
    if (std::fabs(g.x) <= kWallX && g.z <= kGroundNear && g.z >= kGroundFar) return true;
  }
  for (const double wall : {-kWallX, kWallX}) {
    const double to_wall = crossing(kEye.x, point.x, wall);
    if (to_wall < 0.0) continue;
    const VECTORD w = along(point, to_wall);
    if (w.y >= kWallBottom && w.y <= kWallTop && w.z <= kWallNear && w.z >= kGroundFar) return true;
  }
  return false;
}

bool can_be_seen(const VECTORD& point) {
  return !hidden_by_range(point) && in_view(point, clamp_aim(aim_toward(point)));
}

bool inside_arena(const VECTORD& point) {
  return point.x >= -kArenaHalfWidth && point.x <= kArenaHalfWidth && point.y >= kArenaFloor;
}

}  // namespace course
