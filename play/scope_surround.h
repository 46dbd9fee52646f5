#pragma once
// The scope's mask beyond the square of its four fans, so that it covers the
// window whatever its shape. The projection shows 60 degrees across the
// window's smaller side, so the opening (radius 0.6 at depth 1) always spans
// that side; the longer side shows more, and that is masked.

// How far from the centre, at depth 1, the mask must reach in every
// direction to pass every edge of the view: twice the view's half-extent.
double scope_reach(const double projection[16]);

// Four strips from the fans' square out to the reach, and the slivers
// between neighbouring fans. outline is the 40-point table of the fans; the
// current matrices, vertex array state and lighting are used.
void draw_scope_surround(const double* outline, double reach);
