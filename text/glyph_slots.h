#pragma once
// Which glyph of the table draws a character. Single printable bytes own
// slots 0..254 (slot = byte); two-byte characters, as JIS row and cell
// bytes, follow from slot 255 in rows of 96.
namespace qon {

// The encodings a font can read its strings in; any other value means JIS
// bytes taken as they are.
enum TextCode : int { kShiftJis = 0, kEucJp = 1 };

// Two-byte character conversions to JIS, in place, on 8-bit values: bytes
// that form no valid character wrap around rather than fail.
void sjis2jis(unsigned char* c1, unsigned char* c2);
void euc2jis(unsigned char* c1, unsigned char* c2);

int glyph_slot(unsigned char j1, unsigned char j2);

// One character of a string: its glyph slot and the bytes it takes, 1 for
// a half-width (printable single-byte) character, 2 for a full-width one,
// and 0 when a lead byte meets the terminator: the string ends there.
struct TextChar {
  int slot;
  int bytes;
};

// The character starting at s, which must not be the terminator. The slot
// may lie outside any font (even negative) for bytes that form no character.
TextChar read_char(const unsigned char* s, int code);

}  // namespace qon
