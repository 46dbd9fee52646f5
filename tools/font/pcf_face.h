#pragma once
// A bitmap font file (PCF, gzipped or not) opened through FreeType at its
// one fixed size, drawn glyph by glyph into the cells of a glyph table.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace fontmaker {

// Owns the FreeType library handle.
class FreeTypeLibrary {
 public:
  FreeTypeLibrary();  // throws std::runtime_error
  ~FreeTypeLibrary();
  FreeTypeLibrary(const FreeTypeLibrary&) = delete;
  FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
  FT_Library get() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

class PcfFace {
 public:
  PcfFace(const FreeTypeLibrary& library, const std::string& path);  // throws std::runtime_error
  ~PcfFace();
  PcfFace(const PcfFace&) = delete;
  PcfFace& operator=(const PcfFace&) = delete;

  // Pixels from the top of a line to the baseline.
  int ascent() const { return ascent_; }

  // Draws the glyph of code (the font's raw character code) into a square
  // cell of side pixels, rows bottom-up, ceil(side / 8) bytes each, most
  // significant bit leftmost: the baseline ascent() pixels below the cell
  // top, the pen origin x0 pixels from its left. Returns false when the
  // font has no glyph for code. Pixels outside the cell are counted in
  // clipped and left out.
  bool draw(unsigned long code, int x0, int side, unsigned char* cell, int& clipped) const;

 private:
  FT_Face face_ = nullptr;
  int ascent_ = 0;
};

}  // namespace fontmaker
