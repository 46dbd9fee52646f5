#include "play/scope_surround.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

double scope_reach(const double projection[16]) {
  // A perspective projection maps depth 1 to x * m[0] and y * m[5].
  const double across = std::abs(projection[0]);
  const double up = std::abs(projection[5]);
  if (!(across > 0) || !(up > 0)) return 1e6;
  return 2.0 * std::max(1.0 / across, 1.0 / up);
}

void draw_scope_surround(const double* outline, double reach) {
  // The fans' square has its corners at +-0.6.
  const double r = 0.6;
  const double e = std::max(reach, 2 * r);
  double points[(4 * 6 + 4 * 3) * 3];
  int n = 0;
  auto corner = [&](double x, double y) {
    points[n++] = x;
    points[n++] = y;
    points[n++] = -1;
  };
  auto rectangle = [&](double x0, double y0, double x1, double y1) {
    corner(x0, y0), corner(x1, y0), corner(x1, y1);
    corner(x0, y0), corner(x1, y1), corner(x0, y1);
  };
  rectangle(-e, -e, -r, e);  // left
  rectangle(r, -e, e, e);    // right
  rectangle(-r, -e, r, -r);  // below
  rectangle(-r, r, r, e);    // above
  // Each fan covers 80 degrees of its quadrant from its corner; the other 10
  // lie between its last arc point and the next fan's first.
  for (int group = 0; group < 4; ++group) {
    for (const int index : {group * 10, group * 10 + 9, (group + 1) % 4 * 10 + 1}) {
      corner(outline[index * 3], outline[index * 3 + 1]);
    }
  }
  glVertexPointer(3, GL_DOUBLE, 0, points);
  glDrawArrays(GL_TRIANGLES, 0, n / 3);
}
