#include "text/screen_matrix.h"

#include <GL/gl.h>

namespace qon {
namespace {

GLenum mode_of(int matrix_type) {
  switch (matrix_type) {
    case GL_PROJECTION_MATRIX:
      return GL_PROJECTION;
    case GL_TEXTURE_MATRIX:
      return GL_TEXTURE;
    default:
      return GL_MODELVIEW;
  }
}

}  // namespace

MatrixSaver::MatrixSaver(int matrix_type) : mode(static_cast<int>(mode_of(matrix_type))), matrix{} {
  glGetFloatv(static_cast<GLenum>(matrix_type), matrix);
}

MatrixSaver::~MatrixSaver() {
  GLint current = GL_MODELVIEW;
  glGetIntegerv(GL_MATRIX_MODE, &current);
  glMatrixMode(static_cast<GLenum>(mode));
  glLoadMatrixf(matrix);
  glMatrixMode(static_cast<GLenum>(current));
}

ScreenMatrix::ScreenMatrix() : matrix{} {
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0.0, viewport[2], viewport[3], 0.0, -1.0, 50000.0);
  glGetFloatv(GL_PROJECTION_MATRIX, matrix);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

}  // namespace qon
