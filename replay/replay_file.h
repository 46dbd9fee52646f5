#pragma once
// The replay file: a short header, then the replay's fields compressed with
// zlib. Every count and size is checked against what the file can hold, so
// a damaged or hostile file is refused with one line, never trusted.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "replay/replay.h"

namespace replay {

inline constexpr char kMagic[8] = {'Q', 'S', 'R', 'E', 'P', 'L', 'A', 'Y'};
inline constexpr std::uint8_t kFormatVersion = 1;
// Magic, version, body size, then the CRC-32 of every other byte of the file.
inline constexpr std::size_t kHeaderBytes = 17;

// Bounds a file must keep to be read at all.
inline constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;
inline constexpr std::size_t kMaxBodyBytes = std::size_t{64} << 20;
inline constexpr std::size_t kMaxCourseBytes = std::size_t{1} << 20;
inline constexpr std::size_t kMaxNameBytes = 255;
inline constexpr std::size_t kMaxTitleBytes = 64;
inline constexpr std::int32_t kMaxTicks = 864000;  // a day of play

// The file's bytes. The replay must be valid (see `problem`).
std::string encode(const Replay& replay);

struct Decoded {
  Replay replay;
  std::string error;  // one line; empty when the file was read
  bool ok() const { return error.empty(); }
};

Decoded decode(std::string_view bytes);

// Reads the fields alone, as they stand once unpacked and checked; the fuzz
// target reaches them here, past the checksum.
Decoded decode_body(std::string_view body);

// What makes the replay unfit to be written or played, or empty.
std::string problem(const Replay& replay);

// Reads and decodes a file; a file that cannot be read gives an error too.
Decoded read_replay_file(const std::string& path);

}  // namespace replay
