#pragma once
// The bitmap kanji font: a run-length compressed table of square glyphs,
// drawn as GL bitmaps at pixel positions from the viewport's top-left corner.
#include <cstddef>
#include <vector>

#include "text/glyph_slots.h"  // TextCode

namespace qon {

// The largest font file load accepts. The biggest font the game can draw,
// every JIS character at the largest glyph size, takes under 4.9 MB even
// stored without compression; a larger file is no font of ours, and since
// packets expand up to 64 times it could ask for gigabytes.
inline constexpr std::size_t kMaxFontFileBytes = 5u << 20;

// Sees every string a font is asked to print, whether or not it has glyphs
// to draw it with: what the game shows, for tests that need no window.
class PrintObserver {
 public:
  virtual ~PrintObserver() = default;
  virtual void printed(const char* str) = 0;
};

class glKanji {
 public:
  // An empty font that reads strings in encoding _code (see TextCode in
  // glyph_slots.h: 0 Shift-JIS, 1 EUC-JP, anything else raw JIS bytes).
  explicit glKanji(int _code);
  // The same, then load(filename); a failed load leaves the font empty.
  glKanji(const char* filename, int _code);

  // Forgets the glyph geometry (size, charBytes, charCount).
  void init();
  // Replaces the glyphs with those of a font file. False, with the font
  // empty, when the file cannot be read, is larger than kMaxFontFileBytes or
  // is no font; a null name changes nothing. A file cut off inside a packet
  // keeps its complete packets.
  bool load(const char* filename);
  // Glyph index, unchecked: callers pass indices below charCount.
  unsigned char* getChar(int index);
  // Draws str with its top-left corner at (x, y) viewport pixels, y down,
  // in the current raster colour. Leaves GL_UNPACK_ALIGNMENT at 1 and the
  // modelview matrix mode selected; both matrices are restored. The observer,
  // if any, sees str first.
  void print(int x, int y, const char* str);

  int size = 0;       // glyph width and height in pixels
  int charBytes = 0;  // bytes per glyph
  int charCount = 0;  // whole glyphs in data
  int code;
  std::vector<unsigned char> data;  // glyph 0 first, charBytes each
  PrintObserver* observer = nullptr;  // not owned
};

}  // namespace qon
