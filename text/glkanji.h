#pragma once
// The bitmap kanji font: a run-length compressed table of square glyphs,
// drawn as GL bitmaps at pixel positions from the viewport's top-left corner.
#include <vector>

namespace qon {

class glKanji {
 public:
  explicit glKanji(int _code);
  glKanji(const char* filename, int _code);

  void init();
  bool load(const char* filename);
  unsigned char* getChar(int index);
  void print(int x, int y, const char* str);

  int size;
  int charBytes;
  int charCount;
  int code;  // 0 Shift-JIS, 1 EUC-JP, anything else raw JIS bytes
  std::vector<unsigned char> data;
};

}  // namespace qon
