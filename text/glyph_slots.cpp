#include "text/glyph_slots.h"

namespace qon {
namespace {

constexpr unsigned char byte(int value) { return static_cast<unsigned char>(value); }

// Chosen by value rather than isprint: the game runs in the user's locale.
constexpr bool printable_single(unsigned char b) { return b >= 0x20 && b <= 0x7E; }

constexpr int kFirstTwoByteSlot = 255;
constexpr int kCellsPerRow = 96;

}  // namespace

void sjis2jis(unsigned char* c1, unsigned char* c2) {
  unsigned char a = *c1;
  unsigned char b = *c2;
  if (a >= 0xE0) a = byte(a - 0x40);
  if (b >= 0x80) b = byte(b - 1);
  if (b >= 0x9E) {
    a = byte((a - 0x70) * 2);
    b = byte(b - 0x7D);
  } else {
    a = byte((a - 0x70) * 2 - 1);
    b = byte(b - 0x1F);
  }
  *c1 = a;
  *c2 = b;
}

void euc2jis(unsigned char* c1, unsigned char* c2) {
  *c1 = byte(*c1 - 0x80);
  *c2 = byte(*c2 - 0x80);
}

int glyph_slot(unsigned char j1, unsigned char j2) {
  return (j1 - 0x20) * kCellsPerRow + (j2 - 0x20) + kFirstTwoByteSlot;
}

TextChar read_char(const unsigned char* s, int code) {
  if (printable_single(s[0])) return {s[0], 1};
  if (s[1] == 0) return {-1, 0};
  unsigned char j1 = s[0];
  unsigned char j2 = s[1];
  if (code == kShiftJis) {
    sjis2jis(&j1, &j2);
  } else if (code == kEucJp) {
    euc2jis(&j1, &j2);
  }
  return {glyph_slot(j1, j2), 2};
}

}  // namespace qon
