#include "text/glkanji.h"

#include <GL/gl.h>

#include "platform/file_bytes.h"
#include "text/font_format.h"
#include "text/glyph_slots.h"
#include "text/screen_matrix.h"

namespace qon {

glKanji::glKanji(int _code) : code(_code) { init(); }

glKanji::glKanji(const char* filename, int _code) : glKanji(_code) { load(filename); }

void glKanji::init() {
  size = 0;
  charBytes = 0;
  charCount = 0;
}

bool glKanji::load(const char* filename) {
  if (filename == nullptr) return false;
  data.clear();
  init();
  const auto file = platform::read_file(filename, kMaxFontFileBytes);
  int glyph_size = 0;
  if (!file || !decode_font(file->data(), file->size(), glyph_size, data)) {
    data.clear();
    return false;
  }
  size = glyph_size;
  charBytes = glyph_bytes(glyph_size);
  charCount = static_cast<int>(data.size() / static_cast<std::size_t>(charBytes));
  return true;
}

unsigned char* glKanji::getChar(int index) {
  return data.data() + static_cast<std::ptrdiff_t>(index) * charBytes;
}

void glKanji::print(int x, int y, const char* str) {
  if (str == nullptr) return;
  if (observer != nullptr) observer->printed(str);
  if (data.empty()) return;
  const MatrixSaver modelview(GL_MODELVIEW_MATRIX);
  const MatrixSaver projection(GL_PROJECTION_MATRIX);
  const ScreenMatrix screen;

  // Bottom rows sit on y + size, so the tops are at y.
  glRasterPos2i(x, y + size);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

  const GLsizei side = size;
  const auto full = static_cast<GLfloat>(size);
  const auto half = static_cast<GLfloat>(size / 2);
  for (auto s = reinterpret_cast<const unsigned char*>(str); *s != 0;) {
    const TextChar c = read_char(s, code);
    if (c.bytes == 0) break;
    if (c.slot >= 0 && c.slot < charCount) {
      // A half-width glyph's image starts half a cell left of the pen, so
      // its right half covers the pixels the pen advances over.
      if (c.bytes == 1) {
        glBitmap(side, side, half, 0.0f, half, 0.0f, getChar(c.slot));
      } else {
        glBitmap(side, side, 0.0f, 0.0f, full, 0.0f, getChar(c.slot));
      }
    }
    s += c.bytes;
  }
  // The savers restore the projection, then the modelview matrix.
}

}  // namespace qon
