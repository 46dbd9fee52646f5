// Builds the game's window font from the Shinonome bitmap fonts: 16-pixel
// glyphs for every JIS X 0208 character and, in the right half of their
// cells, the printable ASCII characters.
//
//   qs_font_maker <16x16 JIS X 0208 font> <8x16 Latin font> <output .f1b>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "text/font_format.h"
#include "text/glyph_slots.h"
#include "tools/font/pcf_face.h"

namespace {

constexpr int kSide = 16;
constexpr unsigned char kFirstJis = 0x21;
constexpr unsigned char kLastJis = 0x7E;
constexpr unsigned char kFirstAscii = 0x20;
constexpr unsigned char kLastAscii = 0x7E;

struct Counts {
  int full_width = 0;
  int half_width = 0;
  int clipped = 0;
};

std::vector<unsigned char> build_table(const fontmaker::PcfFace& kanji,
                                       const fontmaker::PcfFace& latin, Counts& counts) {
  const int glyph_bytes = qon::glyph_bytes(kSide);
  const int glyphs = qon::glyph_slot(kLastJis, kLastJis) + 1;
  std::vector<unsigned char> table(static_cast<std::size_t>(glyphs * glyph_bytes), 0);
  auto cell = [&](int slot) { return table.data() + slot * glyph_bytes; };

  // print draws a single byte half a cell left of the pen: the right half
  // of the cell is what shows.
  for (unsigned b = kFirstAscii; b <= kLastAscii; ++b) {
    if (latin.draw(b, kSide / 2, kSide, cell(static_cast<int>(b)), counts.clipped)) {
      ++counts.half_width;
    }
  }
  for (unsigned j1 = kFirstJis; j1 <= kLastJis; ++j1) {
    for (unsigned j2 = kFirstJis; j2 <= kLastJis; ++j2) {
      const int slot = qon::glyph_slot(static_cast<unsigned char>(j1), static_cast<unsigned char>(j2));
      // The font's character codes are the JIS codes themselves.
      if (kanji.draw(j1 << 8 | j2, 0, kSide, cell(slot), counts.clipped)) ++counts.full_width;
    }
  }
  return table;
}

// Writes beside path and renames over it, so that a failed run never
// leaves a partial font for the build to take as up to date.
bool write_file(const std::string& path, const std::vector<unsigned char>& bytes) {
  const std::string part = path + ".part";
  std::FILE* f = std::fopen(part.c_str(), "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fclose(f) == 0 && written && std::rename(part.c_str(), path.c_str()) == 0) return true;
  std::remove(part.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <16x16 JIS X 0208 font> <8x16 Latin font> <output>\n", argv[0]);
    return 2;
  }
  try {
    const fontmaker::FreeTypeLibrary library;
    const fontmaker::PcfFace kanji(library, argv[1]);
    const fontmaker::PcfFace latin(library, argv[2]);
    Counts counts;
    const std::vector<unsigned char> table = build_table(kanji, latin, counts);
    if (counts.full_width == 0 || counts.half_width == 0) {
      std::fprintf(stderr, "%s: the fonts gave no glyphs\n", argv[3]);
      return 1;
    }
    if (counts.clipped > 0) {
      std::fprintf(stderr, "%s: %d pixels fall outside their %dx%d cells\n", argv[3],
                   counts.clipped, kSide, kSide);
      return 1;
    }
    const std::vector<unsigned char> file = qon::encode_font(kSide, table);
    if (!write_file(argv[3], file)) {
      std::fprintf(stderr, "%s: cannot write\n", argv[3]);
      return 1;
    }
    std::printf("%s: %d full-width and %d half-width glyphs, %zu bytes (%zu unpacked)\n", argv[3],
                counts.full_width, counts.half_width, file.size(), table.size());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
