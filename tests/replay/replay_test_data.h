#pragma once
// Replays and hand-made replay files for the tests.
#include <zlib.h>

#include <cstdint>
#include <string>

#include "replay/replay.h"
#include "replay/replay_file.h"

namespace replay_test {

inline replay::Input aim(std::int32_t tick, double dx, double dy) {
  replay::Input in;
  in.tick = tick;
  in.kind = replay::InputKind::aim;
  in.dx = dx;
  in.dy = dy;
  return in;
}

inline replay::Input click(std::int32_t tick) {
  replay::Input in;
  in.tick = tick;
  in.kind = replay::InputKind::click;
  return in;
}

inline replay::Input key(std::int32_t tick, unsigned char k) {
  replay::Input in;
  in.tick = tick;
  in.kind = replay::InputKind::key;
  in.key = k;
  return in;
}

// A small valid replay.
inline replay::Replay sample() {
  replay::Replay r;
  r.course_name = "basic.txt";
  r.course_text = "1\n1 10\n0 0 -60 30 85 10 180 4 0 2 0\n";
  r.random_state = 0x9e3779b9u;
  r.start_tick = 4711;
  r.level = 2;
  r.inputs = {aim(0, 3, -2), aim(0, 0.25, -1e-9), click(1), aim(7, -0.0, 5), click(40), key(131, 'n')};
  r.result.ticks = 120;
  r.result.stage = 0;
  r.result.shots = 2;
  r.result.hits = 1;
  r.result.lives = 3;
  r.result.cleared = true;
  r.result.title = "論外";
  return r;
}

inline void put_number(std::string& out, std::uint64_t value) {
  while (value >= 0x80) {
    out.push_back(static_cast<char>((value & 0x7f) | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<char>(value));
}

inline void put_field(std::string& out, int tag, const std::string& bytes) {
  put_number(out, static_cast<std::uint64_t>(tag));
  put_number(out, bytes.size());
  out += bytes;
}

// A file around a body written by hand: header, checksum and compression
// all correct, so that only the body can be at fault.
// The checksum is computed here in one pass, apart from the reader's way.
inline std::string file_around(const std::string& body, std::uint8_t version = replay::kFormatVersion) {
  uLongf size = compressBound(static_cast<uLong>(body.size()));
  std::string packed(size, '\0');
  compress(reinterpret_cast<Bytef*>(&packed[0]), &size, reinterpret_cast<const Bytef*>(body.data()),
           static_cast<uLong>(body.size()));
  packed.resize(size);
  std::string file(replay::kMagic, sizeof replay::kMagic);
  file.push_back(static_cast<char>(version));
  const auto put_u32 = [&file](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
  };
  put_u32(static_cast<std::uint32_t>(body.size()));
  const std::string covered = file + packed;
  put_u32(static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(covered.data()), static_cast<uInt>(covered.size()))));
  return file + packed;
}

// The fields of a valid body, with the inputs field given.
inline std::string body_with_inputs(const std::string& inputs) {
  std::string body;
  put_field(body, 1, "basic.txt");
  put_field(body, 2, "1\n0 5\n");
  std::string n;
  put_number(n, 1);
  put_field(body, 3, n);
  put_field(body, 4, n);
  n.clear();
  put_number(n, 0);
  put_field(body, 5, n);
  std::string result;
  for (const std::uint64_t v : {5u, 0u, 0u, 0u, 10u}) put_number(result, v);
  result.push_back(1);
  put_number(result, 3);
  result += "abc";
  put_field(body, 6, result);
  put_field(body, 7, inputs);
  return body;
}

}  // namespace replay_test
