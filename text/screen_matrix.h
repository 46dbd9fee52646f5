#pragma once
// Matrix helpers for drawing in window pixels in the middle of a 3D frame.
namespace qon {

// Saves one OpenGL matrix and puts it back when it goes out of scope,
// leaving the matrix mode as it found it at that moment.
class MatrixSaver {
 public:
  // matrix_type names the matrix to read: GL_MODELVIEW_MATRIX,
  // GL_PROJECTION_MATRIX or GL_TEXTURE_MATRIX (anything else: modelview).
  explicit MatrixSaver(int matrix_type);
  ~MatrixSaver();
  MatrixSaver(const MatrixSaver&) = delete;
  MatrixSaver& operator=(const MatrixSaver&) = delete;

  int mode;
  float matrix[16];
};

// Makes pixels of the current viewport the drawing units: origin at the
// top-left corner, y downward, identity modelview (left selected).
class ScreenMatrix {
 public:
  ScreenMatrix();

  float matrix[16];  // the projection it set up
};

}  // namespace qon
