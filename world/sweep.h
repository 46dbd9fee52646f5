#pragma once
// The swept hit test's geometry. The moving object's last step is sampled at
// 1000 points, from + k·s for k = 1 to 1000 with s = (to - from) / 1000,
// accumulated by repeated addition; it reaches the target when one sample
// lies strictly closer than `reach`.
#include "world/vectord.h"

// Exactly the literal result, but pairs that a cheap bound proves apart are
// settled without sampling, and near pairs sample without square roots
// until the boundary is close.
bool sweep_reaches(const VECTORD& from, const VECTORD& to, const VECTORD& target, double reach);

// The literal 1000-sample loop, kept as the reference the fast test is
// measured against.
bool sweep_reaches_literal(const VECTORD& from, const VECTORD& to, const VECTORD& target,
                           double reach);
