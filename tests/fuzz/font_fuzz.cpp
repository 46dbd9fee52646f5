// The font decoder on any bytes: it never reads out of bounds, rejects
// cleanly, and decodes exactly as a plain reading of the format does.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/fuzz/fuzz_check.h"
#include "text/font_format.h"

namespace {

// The format read byte by byte: the glyph size, then packets until the end;
// a packet cut off by the end is dropped.
bool expected_font(const std::uint8_t* data, std::size_t size, int& glyph_size,
                   std::vector<unsigned char>& table) {
  if (size < 4) return false;
  const std::uint32_t header = std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 |
                               std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 24;
  const auto n = static_cast<std::int32_t>(header);
  if (n < 1 || n > qon::kMaxGlyphSize) return false;
  glyph_size = n;
  for (std::size_t i = 4; i < size;) {
    const unsigned control = data[i];
    if (control < 128) {
      if (size - i - 1 < control + 1) break;
      table.insert(table.end(), data + i + 1, data + i + 2 + control);
      i += 2 + control;
    } else {
      if (size - i - 1 < 1) break;
      table.insert(table.end(), control - 127, data[i + 1]);
      i += 2;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  int glyph_size = -1;
  std::vector<unsigned char> table{0xAA};  // a decoder must not keep what was here
  const bool decoded = qon::decode_font(data, size, glyph_size, table);

  int expected_size = 0;
  std::vector<unsigned char> expected;
  fuzz::require(decoded == expected_font(data, size, expected_size, expected),
                "accepted differently from the format");
  fuzz::require(glyph_size == expected_size && table == expected, "decoded other bytes than the format's");
  if (decoded) fuzz::require(qon::glyph_bytes(glyph_size) > 0, "no bytes per glyph");
  return 0;
}
