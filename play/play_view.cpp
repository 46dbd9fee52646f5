#include "play/play_view.h"

#include <GL/gl.h>

#include <cmath>

#include "play/scope_surround.h"
#include "world/angle.h"

double scopeVertices[120];

namespace {

// The cross-hair: a horizontal and a vertical stroke at eye depth 1.
const double vertices[12] = {0.1, 0, -1, -0.1, 0, -1, 0, 0.1, -1, 0, -0.1, -1};

void quad(double x0, double y0, double z0, double x1, double y1, double z1, double x2, double y2,
          double z2, double x3, double y3, double z3) {
  glVertex3d(x0, y0, z0);
  glVertex3d(x1, y1, z1);
  glVertex3d(x2, y2, z2);
  glVertex3d(x3, y3, z3);
}

void ground_and_walls() {
  static const float ground[3][4] = {
      {0.9f, 1.0f, 0.9f, 1.0f}, {0.2f, 0.8f, 1.0f, 1.0f}, {0.3f, 0.3f, 0.3f, 1.0f}};
  glBegin(GL_QUADS);
  glNormal3d(0, 1, 0);
  for (int j = -75; j <= 4; ++j) {
    for (int i = -5; i <= 4; ++i) {
      glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, ground[(i + j) & 1]);
      const double x = 5.0 * i;
      const double z = 5.0 * j;
      quad(x, -0.5, z, x, -0.5, z + 5, x + 5, -0.5, z + 5, x + 5, -0.5, z);
    }
  }
  glNormal3d(1, 0, 0);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, ground[2]);
  quad(-25, 15, -375, -25, -1, -375, -25, -1, 5, -25, 15, 5);
  glNormal3d(-1, 0, 0);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, ground[2]);
  quad(25, 15, -375, 25, -1, -375, 25, -1, 5, 25, 15, 5);
  glEnd();
}

}  // namespace

void scene() {
  // The range never changes: its 802 quadrilaterals and their materials are
  // compiled once and replayed, the same commands without resending them.
  static const GLuint list = [] {
    const GLuint id = glGenLists(1);
    if (id != 0) {
      glNewList(id, GL_COMPILE);
      ground_and_walls();
      glEndList();
    }
    return id;
  }();
  if (list != 0) {
    glCallList(list);
  } else {
    ground_and_walls();
  }
  drawscope();
}

void initscope() {
  const double r = 0.6;
  const double corners[4][2] = {{0.6, -0.6}, {-0.6, -0.6}, {-0.6, 0.6}, {0.6, 0.6}};
  int m = 0;
  for (int group = 0; group < 4; ++group) {
    double* corner = &scopeVertices[group * 30];
    corner[0] = corners[group][0];
    corner[1] = corners[group][1];
    corner[2] = -1;
    for (int k = 1; k < 10; ++k, ++m) {
      const double a = rad(360.0 - 10.0 * m);
      double* point = &scopeVertices[(group * 10 + k) * 3];
      point[0] = r * std::cos(a);
      point[1] = r * std::sin(a);
      point[2] = -1;
    }
  }
}

void drawscope() {
  double projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glDisable(GL_LIGHT0);
  glPushMatrix();
  glLoadIdentity();
  // The outline lies on the near plane, where clipping may drop it. Scaled
  // from the eye it projects to the same pixels from just beyond that plane,
  // and with the depth test off it covers everything drawn before it.
  glScaled(1.01, 1.01, 1.01);
  glDisable(GL_DEPTH_TEST);
  // The toolkit's solid spheres switch the vertex array off after drawing.
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_DOUBLE, 0, vertices);
  glDrawArrays(GL_LINES, 0, 4);
  glVertexPointer(3, GL_DOUBLE, 0, scopeVertices);
  for (int first = 0; first < 40; first += 10) glDrawArrays(GL_TRIANGLE_FAN, first, 10);
  draw_scope_surround(scopeVertices, scope_reach(projection));
  glEnable(GL_DEPTH_TEST);
  glPopMatrix();
  glEnable(GL_LIGHT0);
}
