#pragma once
// What the player can see and reach from the firing position: the aim
// limits, the scope's field of view in the square window, the far plane,
// and the ground and walls that hide what lies below or behind them.
#include "world/vectord.h"

namespace course {

inline constexpr VECTORD kEye{0.0, 6.0, 0.0};
inline constexpr double kYawLimit = 45.0;     // degrees either way
inline constexpr double kPitchUp = -60.0;     // pitch grows downwards
inline constexpr double kPitchDown = 20.0;
inline constexpr double kHalfFieldOfView = 30.0;  // vertical; the window is square
inline constexpr double kNearPlane = 1.0;
inline constexpr double kFarPlane = 300.0;
inline constexpr double kScopeRadius = 0.6;   // the mask's opening at depth 1

// Persons that leave this box cost a life.
inline constexpr double kArenaHalfWidth = 60.0;
inline constexpr double kArenaFloor = -5.0;
// The walls stand at |x| = 25 from y -1 to 15; the ground lies at y -0.5.
inline constexpr double kWallX = 25.0;

struct Aim {
  double yaw = 0.0;    // degrees, positive to the right
  double pitch = 0.0;  // degrees, positive looks down
};

// The aim that puts the point under the cross-hair, not yet clamped.
Aim aim_toward(const VECTORD& point);

// The same aim held within the limits of the rifle.
Aim clamp_aim(const Aim& aim);
bool within_aim_limits(const Aim& aim);

// The point in the eye space of the view with this aim (-z looks ahead).
VECTORD to_eye_space(const VECTORD& point, const Aim& aim);

// Inside the scope's opening and between the near and far planes.
bool in_view(const VECTORD& point, const Aim& aim);

// The line from the eye to the point passes through the ground or a wall.
bool hidden_by_range(const VECTORD& point);

// Some aim within the limits shows the point, unhidden.
bool can_be_seen(const VECTORD& point);

bool inside_arena(const VECTORD& point);

}  // namespace course
