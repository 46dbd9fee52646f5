#include "text/font_format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace qon {
namespace {

constexpr std::size_t kHeaderBytes = 4;
constexpr std::size_t kMaxPacket = 128;  // bytes a single packet can stand for
constexpr unsigned kRepeatBase = 127;    // control byte = copies + 127

std::int32_t read_le32(const unsigned char* p) {
  const std::uint32_t u = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
                          std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
  return static_cast<std::int32_t>(u);
}

// The bytes a packet at p decodes to, or 0 when it runs past end.
std::size_t packet_output(const unsigned char* p, const unsigned char* end) {
  const unsigned control = *p;
  const std::size_t available = static_cast<std::size_t>(end - p) - 1;
  if (control <= kRepeatBase) {
    const std::size_t literals = control + 1;
    return literals <= available ? literals : 0;
  }
  return available >= 1 ? control - kRepeatBase : 0;
}

}  // namespace

int glyph_bytes(int glyph_size) {
  if (glyph_size <= 0) return 0;
  return (glyph_size + 7) / 8 * glyph_size;
}

bool decode_font(const unsigned char* data, std::size_t size, int& glyph_size,
                 std::vector<unsigned char>& out) {
  out.clear();
  glyph_size = 0;
  if (data == nullptr || size < kHeaderBytes) return false;
  const std::int32_t n = read_le32(data);
  if (n < 1 || n > kMaxGlyphSize) return false;
  glyph_size = n;

  // Measure first so the table is allocated once, at its final size.
  const unsigned char* const begin = data + kHeaderBytes;
  const unsigned char* const end = data + size;
  const unsigned char* p = begin;
  std::size_t total = 0;
  while (p < end) {
    const std::size_t length = packet_output(p, end);
    if (length == 0) break;
    total += length;
    p += *p <= kRepeatBase ? 1 + length : 2;
  }
  const unsigned char* const stop = p;

  out.resize(total);
  unsigned char* o = out.data();
  for (p = begin; p < stop;) {
    const unsigned control = *p++;
    if (control <= kRepeatBase) {
      const std::size_t literals = control + 1;
      std::memcpy(o, p, literals);
      o += literals;
      p += literals;
    } else {
      const std::size_t copies = control - kRepeatBase;
      std::memset(o, *p++, copies);
      o += copies;
    }
  }
  return true;
}

std::vector<unsigned char> encode_font(int glyph_size, const std::vector<unsigned char>& table) {
  const std::size_t n = table.size();

  // run[i]: equal bytes starting at i, capped at one packet.
  std::vector<std::size_t> run(n);
  for (std::size_t i = n; i-- > 0;) {
    run[i] = i + 1 < n && table[i] == table[i + 1] ? std::min(run[i + 1] + 1, kMaxPacket) : 1;
  }

  // Shortest encoding of each suffix: cost[i] bytes, starting with a packet
  // that covers take[i] bytes as a repeat or as literals.
  std::vector<std::size_t> cost(n + 1, 0);
  std::vector<std::size_t> take(n, 0);
  std::vector<bool> repeat(n, false);
  for (std::size_t i = n; i-- > 0;) {
    std::size_t best = std::numeric_limits<std::size_t>::max();
    for (std::size_t len = 1; len <= run[i]; ++len) {
      if (2 + cost[i + len] < best) {
        best = 2 + cost[i + len];
        take[i] = len;
        repeat[i] = true;
      }
    }
    const std::size_t longest = std::min(kMaxPacket, n - i);
    for (std::size_t len = 1; len <= longest; ++len) {
      if (1 + len + cost[i + len] < best) {
        best = 1 + len + cost[i + len];
        take[i] = len;
        repeat[i] = false;
      }
    }
    cost[i] = best;
  }

  std::vector<unsigned char> file;
  file.reserve(kHeaderBytes + cost[0]);
  const auto header = static_cast<std::uint32_t>(glyph_size);
  for (int shift = 0; shift < 32; shift += 8) {
    file.push_back(static_cast<unsigned char>(header >> shift));
  }
  for (std::size_t i = 0; i < n; i += take[i]) {
    if (repeat[i]) {
      file.push_back(static_cast<unsigned char>(kRepeatBase + take[i]));
      file.push_back(table[i]);
    } else {
      file.push_back(static_cast<unsigned char>(take[i] - 1));
      file.insert(file.end(), table.begin() + static_cast<std::ptrdiff_t>(i),
                  table.begin() + static_cast<std::ptrdiff_t>(i + take[i]));
    }
  }
  return file;
}

}  // namespace qon
