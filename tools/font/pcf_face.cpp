#include "tools/font/pcf_face.h"

#include <stdexcept>

namespace fontmaker {
namespace {

bool bit_set(const FT_Bitmap& bitmap, unsigned row, unsigned column) {
  const unsigned char* line = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
  return (line[column / 8] & (0x80u >> (column % 8))) != 0;
}

}  // namespace

FreeTypeLibrary::FreeTypeLibrary() {
  if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType does not start");
}

FreeTypeLibrary::~FreeTypeLibrary() { FT_Done_FreeType(library_); }

PcfFace::PcfFace(const FreeTypeLibrary& library, const std::string& path) {
  if (FT_New_Face(library.get(), path.c_str(), 0, &face_) != 0) {
    throw std::runtime_error(path + ": not a font FreeType can read");
  }
  if (face_->num_fixed_sizes < 1 || FT_Select_Size(face_, 0) != 0) {
    FT_Done_Face(face_);
    throw std::runtime_error(path + ": not a bitmap font");
  }
  // The one charmap has no Unicode encoding, so FreeType leaves it
  // unselected; its codes are the font's own (JIS codes in the kanji font).
  if (face_->num_charmaps < 1 || FT_Set_Charmap(face_, face_->charmaps[0]) != 0) {
    FT_Done_Face(face_);
    throw std::runtime_error(path + ": has no character map");
  }
  ascent_ = static_cast<int>(face_->size->metrics.ascender >> 6);
}

PcfFace::~PcfFace() { FT_Done_Face(face_); }

bool PcfFace::draw(unsigned long code, int x0, int side, unsigned char* cell, int& clipped) const {
  const FT_UInt index = FT_Get_Char_Index(face_, code);
  if (index == 0) return false;
  if (FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return false;
  const FT_GlyphSlot glyph = face_->glyph;
  const FT_Bitmap& bitmap = glyph->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return false;

  const int row_bytes = (side + 7) / 8;
  const int top = ascent_ - glyph->bitmap_top;  // cell row of the bitmap's first row
  const int left = x0 + glyph->bitmap_left;
  for (unsigned r = 0; r < bitmap.rows; ++r) {
    for (unsigned c = 0; c < bitmap.width; ++c) {
      if (!bit_set(bitmap, r, c)) continue;
      const int y = top + static_cast<int>(r);
      const int x = left + static_cast<int>(c);
      if (x < 0 || x >= side || y < 0 || y >= side) {
        ++clipped;
        continue;
      }
      unsigned char& byte = cell[(side - 1 - y) * row_bytes + x / 8];
      byte = static_cast<unsigned char>(byte | 0x80u >> (x % 8));
    }
  }
  return true;
}

}  // namespace fontmaker
