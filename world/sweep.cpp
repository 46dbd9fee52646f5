#include "world/sweep.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kSamples = 1000;

VECTORD sample_step(const VECTORD& from, const VECTORD& to) {
  VECTORD thousand;
  thousand = 1000.0;
  return (to - from) / thousand;
}

double squared_distance(const VECTORD& p, const VECTORD& target) {
  return (p.x - target.x) * (p.x - target.x) + (p.y - target.y) * (p.y - target.y) +
         (p.z - target.z) * (p.z - target.z);
}

double max_abs(const VECTORD& v) {
  return std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
}

double dot(const VECTORD& a, const VECTORD& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Whether the target lies more than `bound` outside the segment's box on
// some axis, so that every point of the segment is farther than `bound`.
bool beyond_axis(double a, double b, double t, double bound) {
  return t < std::min(a, b) - bound || t > std::max(a, b) + bound;
}

bool beyond_box(const VECTORD& from, const VECTORD& to, const VECTORD& target, double bound) {
  return beyond_axis(from.x, to.x, target.x, bound) || beyond_axis(from.y, to.y, target.y, bound) ||
         beyond_axis(from.z, to.z, target.z, bound);
}

// Whether a value of the bound's arithmetic carries its full precision:
// neither overflowed nor fallen into the subnormals, where rounding errors
// are no longer relative to the value.
bool full_precision(double v) { return std::isnormal(v); }

// Distance from the target to the segment, computed in floating point; NaN
// when a step of the computation leaves the range where its error is
// relative, so that no bound is drawn from it.
double closest_approach(const VECTORD& from, const VECTORD& to, const VECTORD& target) {
  const VECTORD d = to - from;
  const VECTORD w = target - from;
  const double dd = dot(d, d);
  const double dw = dot(w, d);
  const bool still = d.x == 0.0 && d.y == 0.0 && d.z == 0.0;
  if (!still && !(full_precision(dd) && std::isfinite(dw))) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  const double t = still ? 0.0 : std::clamp(dw / dd, 0.0, 1.0);
  VECTORD along;
  along = t;
  const VECTORD closest = from + d * along;
  return std::sqrt(squared_distance(closest, target));
}

// How far the computed approach may sit above the true distance of any
// sample. The samples drift from the exact segment by at most about 1000
// roundings of the largest coordinate, and the approach itself by a few;
// together that is under 1e-12 of the scale. The bound allows a thousand
// times more. Subnormal roundings add at most about 1e-320, far below the
// margin once the reach's square is normal.
double rounding_margin(const VECTORD& from, const VECTORD& to, const VECTORD& target,
                       double reach) {
  const double scale = max_abs(from) + max_abs(to) + max_abs(target) + reach;
  return 1e-9 * scale;
}

}  // namespace

bool sweep_reaches_literal(const VECTORD& from, const VECTORD& to, const VECTORD& target,
                           double reach) {
  const VECTORD s = sample_step(from, to);
  VECTORD p = from + s;
  for (int k = 0; k < kSamples; ++k) {
    if (std::sqrt(squared_distance(p, target)) < reach) return true;
    p += s;
  }
  return false;
}

bool sweep_reaches(const VECTORD& from, const VECTORD& to, const VECTORD& target, double reach) {
  // No distance is below a reach of zero or less (or NaN).
  if (!(reach > 0.0)) return false;

  // The bounds below hold while a distance near the reach squares to a
  // normal number. Below that the literal loop's squares underflow, and a
  // sample far outside the reach can come out at distance 0; above it they
  // overflow. Either way only the samples can tell.
  if (full_precision(reach * reach)) {
    // A NaN or an overflow anywhere leaves the comparisons false, and the
    // samples then decide exactly as the literal loop would. The box around
    // the segment settles most pairs at the cost of a few comparisons.
    const double bound = reach + rounding_margin(from, to, target, reach);
    if (beyond_box(from, to, target, bound)) return false;
    const double approach = closest_approach(from, to, target);
    if (approach > bound && std::isfinite(approach)) return false;
  }

  // sqrt is correctly rounded and monotonic, so a squared distance above
  // reach² cannot give a distance below reach; the limit is rounded up so
  // that it never undercuts the exact square.
  const double limit = std::nextafter(reach * reach, std::numeric_limits<double>::infinity());
  const VECTORD s = sample_step(from, to);
  VECTORD p = from + s;
  for (int k = 0; k < kSamples; ++k) {
    const double q = squared_distance(p, target);
    if (q <= limit && std::sqrt(q) < reach) return true;
    p += s;
  }
  return false;
}
