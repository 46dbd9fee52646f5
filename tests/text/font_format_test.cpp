#include "text/font_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes header(std::int32_t glyph_size) {
  const auto u = static_cast<std::uint32_t>(glyph_size);
  return {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
          static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
}

Bytes font_file(const Bytes& packets, std::int32_t glyph_size = 16) {
  Bytes file = header(glyph_size);
  file.insert(file.end(), packets.begin(), packets.end());
  return file;
}

Bytes counting(std::size_t n, unsigned char first = 0) {
  Bytes bytes(n);
  for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<unsigned char>(first + i);
  return bytes;
}

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct PacketCase {
  const char* name;
  Bytes packets;
  Bytes table;
};

TEST(DecodeFont, ControlBytesGiveCopiesOrLiterals) {
  const PacketCase cases[] = {
      {"0x80: one copy", {0x80, 0xAB}, {0xAB}},
      {"0xFF: 128 copies", {0xFF, 0xCD}, Bytes(128, 0xCD)},
      {"0x00: one literal", {0x00, 0x11}, {0x11}},
      {"0x7F: 128 literals", concat({{0x7F}, counting(128, 1)}), counting(128, 1)},
      {"packets in sequence", {0x01, 'a', 'b', 0x81, 'c', 0x00, 'd'}, {'a', 'b', 'c', 'c', 'd'}},
      {"no packets", {}, {}},
  };
  for (const PacketCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes file = font_file(c.packets);
    int size = -1;
    Bytes out;
    ASSERT_TRUE(qon::decode_font(file.data(), file.size(), size, out));
    EXPECT_EQ(size, 16);
    EXPECT_EQ(out, c.table);
  }
}

TEST(DecodeFont, PacketCutOffByTheEndIsDropped) {
  const PacketCase cases[] = {
      {"literals missing", {0x80, 'x', 0x03, 'a', 'b'}, {'x'}},
      {"repeated byte missing", {0x80, 'x', 0x85}, {'x'}},
      {"one literal missing", {0x00, 'x', 0x7F}, {'x'}},
      {"first packet cut", {0x7F, 1, 2, 3}, {}},
  };
  for (const PacketCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes file = font_file(c.packets);
    int size = 0;
    Bytes out;
    ASSERT_TRUE(qon::decode_font(file.data(), file.size(), size, out));
    EXPECT_EQ(out, c.table);
  }
}

TEST(DecodeFont, RejectsMissingHeaderAndGlyphSizesOutsideOneTo64) {
  const struct {
    const char* name;
    Bytes file;
  } cases[] = {
      {"empty", {}},
      {"three bytes", {16, 0, 0}},
      {"size 0", font_file({0x80, 0xFF}, 0)},
      {"size -1", font_file({0x80, 0xFF}, -1)},
      {"most negative size", font_file({0x80, 0xFF}, INT32_MIN)},
      {"size 65", font_file({0x80, 0xFF}, 65)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int size = 16;
    Bytes out = {1, 2, 3};
    EXPECT_FALSE(qon::decode_font(c.file.data(), c.file.size(), size, out));
    EXPECT_EQ(size, 0);
    EXPECT_TRUE(out.empty());
  }
  for (const std::int32_t accepted : {1, 64}) {
    const Bytes file = font_file({}, accepted);
    int size = 0;
    Bytes out;
    EXPECT_TRUE(qon::decode_font(file.data(), file.size(), size, out));
    EXPECT_EQ(size, accepted);
  }
}

TEST(GlyphBytes, RowsArePaddedToWholeBytes) {
  const struct {
    int size;
    int bytes;
  } cases[] = {{1, 1}, {8, 8}, {9, 18}, {16, 32}, {17, 51}, {64, 512}, {0, 0}, {-8, 0}};
  for (const auto& c : cases) EXPECT_EQ(qon::glyph_bytes(c.size), c.bytes) << c.size;
}

TEST(EncodeFont, RoundTripsAndFindsTheShortestPackets) {
  Bytes noise(5000);
  std::uint32_t state = 12345;
  for (unsigned char& b : noise) {
    state = state * 1103515245u + 12345u;
    b = static_cast<unsigned char>(state >> 16);
  }
  Bytes runs;
  for (std::size_t len = 1; len <= 300; len += 7) runs.insert(runs.end(), len, static_cast<unsigned char>(len));

  // Expected sizes: 4 header bytes, then each packet's control byte and data.
  const struct {
    const char* name;
    Bytes table;
    std::size_t encoded;  // 0: only the round trip is checked
  } cases[] = {
      {"empty", {}, 4},
      {"1000 zeros: 8 repeats", Bytes(1000, 0), 4 + 8 * 2},
      {"300 distinct: 3 literal packets", counting(300), 4 + 300 + 3},
      {"run between literals", concat({counting(10, 1), Bytes(200, 0), counting(10, 1)}), 4 + 11 + 2 * 2 + 11},
      {"noise", noise, 0},
      {"runs of many lengths", runs, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes file = qon::encode_font(16, c.table);
    if (c.encoded != 0) {
      EXPECT_EQ(file.size(), c.encoded);
    }
    EXPECT_LE(file.size(), 4 + c.table.size() + (c.table.size() + 127) / 128);
    int size = 0;
    Bytes out;
    ASSERT_TRUE(qon::decode_font(file.data(), file.size(), size, out));
    EXPECT_EQ(size, 16);
    EXPECT_EQ(out, c.table);
  }
}

}  // namespace
