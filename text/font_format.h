#pragma once
// The font file: the glyph size N as a little-endian signed 32-bit number,
// then the glyph table as run-length packets up to the end of the file.
// A packet starts with a control byte c: below 128, c + 1 literal bytes
// follow; from 128 up, one byte follows that stands for c - 127 copies.
#include <cstddef>
#include <vector>

namespace qon {

inline constexpr int kMaxGlyphSize = 64;

// Bytes per glyph of an n-pixel square font: each row padded to whole bytes.
int glyph_bytes(int glyph_size);

// Decodes a font file held in memory; safe for any bytes. Fails, with out
// empty and glyph_size 0, when the header is missing or N lies outside
// 1..kMaxGlyphSize. A packet cut off by the end of the data is dropped, so
// out holds the bytes of the complete packets only.
bool decode_font(const unsigned char* data, std::size_t size, int& glyph_size,
                 std::vector<unsigned char>& out);

// The header and the shortest packet sequence that decodes to table.
std::vector<unsigned char> encode_font(int glyph_size, const std::vector<unsigned char>& table);

}  // namespace qon
