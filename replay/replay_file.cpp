#include "replay/replay_file.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>

namespace replay {
namespace {

// The fields of the body, each written as tag, length, bytes.
enum Tag : std::uint8_t {
  tag_course_name = 1,
  tag_course_text = 2,
  tag_random_state = 3,
  tag_start_tick = 4,
  tag_level = 5,
  tag_result = 6,
  tag_inputs = 7,
};
constexpr int kTagCount = 7;

// How an input is stored: the low three bits of its first number; the rest
// of that number is the ticks since the input before.
enum Code : std::uint8_t {
  code_aim_whole = 1,  // dx and dy are whole numbers: two zigzag numbers
  code_aim_exact = 2,  // anything else: the two doubles' bits, 8 bytes each
  code_click = 3,
  code_key = 4,  // one byte, the key
  // dx and dy are whole numbers of 2^-s pixels, s from 1 to 32 (pointers
  // that report fixed-point fractions): s, then two zigzag numbers.
  code_aim_scaled = 5,
};

constexpr int kMostScale = 32;

// Whole values up to this size are stored as numbers; the rest as bits.
constexpr double kWholeLimit = 1 << 30;

void put_number(std::string& out, std::uint64_t value) {
  while (value >= 0x80) {
    out.push_back(static_cast<char>((value & 0x7f) | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<char>(value));
}

void put_signed(std::string& out, std::int64_t value) {
  const auto bits = static_cast<std::uint64_t>(value);
  put_number(out, (bits << 1) ^ (value < 0 ? ~std::uint64_t{0} : 0));
}

void put_u32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

void put_double(std::string& out, double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xff));
}

void put_field(std::string& out, Tag tag, const std::string& bytes) {
  put_number(out, tag);
  put_number(out, bytes.size());
  out += bytes;
}

// Minus zero is not whole here: stored as a number it would come back as +0.
bool whole(double v) {
  return std::isfinite(v) && std::fabs(v) < kWholeLimit && std::floor(v) == v && !(v == 0 && std::signbit(v));
}

// The least s for which v * 2^s is whole and below the limit, or -1.
int scale_of(double v) {
  if (!std::isfinite(v) || std::fabs(v) >= kWholeLimit || (v == 0 && std::signbit(v))) return -1;
  for (int s = 0; s <= kMostScale; ++s) {
    const double scaled = std::ldexp(v, s);
    if (std::floor(scaled) == scaled) return s;
  }
  return -1;
}

std::string encode_inputs(const std::vector<Input>& inputs) {
  std::string out;
  put_number(out, inputs.size());
  std::int32_t previous = 0;
  for (const Input& in : inputs) {
    const auto delta = static_cast<std::uint64_t>(in.tick - previous);
    previous = in.tick;
    switch (in.kind) {
      case InputKind::aim:
        if (whole(in.dx) && whole(in.dy)) {
          put_number(out, delta << 3 | code_aim_whole);
          put_signed(out, static_cast<std::int64_t>(in.dx));
          put_signed(out, static_cast<std::int64_t>(in.dy));
        } else if (scale_of(in.dx) >= 0 && scale_of(in.dy) >= 0) {
          const int scale = std::max(scale_of(in.dx), scale_of(in.dy));
          put_number(out, delta << 3 | code_aim_scaled);
          put_number(out, static_cast<std::uint64_t>(scale));
          put_signed(out, static_cast<std::int64_t>(std::ldexp(in.dx, scale)));
          put_signed(out, static_cast<std::int64_t>(std::ldexp(in.dy, scale)));
        } else {
          put_number(out, delta << 3 | code_aim_exact);
          put_double(out, in.dx);
          put_double(out, in.dy);
        }
        break;
      case InputKind::click:
        put_number(out, delta << 3 | code_click);
        break;
      case InputKind::key:
        put_number(out, delta << 3 | code_key);
        out.push_back(static_cast<char>(in.key));
        break;
    }
  }
  return out;
}

std::string encode_result(const Result& r) {
  std::string out;
  put_number(out, static_cast<std::uint64_t>(r.ticks));
  put_number(out, static_cast<std::uint64_t>(r.stage));
  put_number(out, static_cast<std::uint64_t>(r.shots));
  put_number(out, static_cast<std::uint64_t>(r.hits));
  put_signed(out, r.lives);
  out.push_back(r.cleared ? 1 : 0);
  put_number(out, r.title.size());
  out += r.title;
  return out;
}

// Reads from a byte range, failing for good at the first thing that does
// not fit; every read afterwards gives nothing.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}

  std::optional<std::uint64_t> number() {
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      if (rest_.empty()) return std::nullopt;
      const auto byte = static_cast<unsigned char>(rest_.front());
      rest_.remove_prefix(1);
      if (shift == 63 && byte > 1) return std::nullopt;
      value |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
      if ((byte & 0x80) == 0) return value;
    }
    return std::nullopt;
  }

  std::optional<std::int64_t> signed_number() {
    const auto n = number();
    if (!n) return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(*n >> 1);
    return (*n & 1) != 0 ? -magnitude - 1 : magnitude;
  }

  std::optional<std::string_view> bytes(std::uint64_t count) {
    if (count > rest_.size()) return std::nullopt;
    const std::string_view taken = rest_.substr(0, static_cast<std::size_t>(count));
    rest_.remove_prefix(static_cast<std::size_t>(count));
    return taken;
  }

  std::optional<double> real() {
    const auto b = bytes(8);
    if (!b) return std::nullopt;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>((*b)[static_cast<std::size_t>(i)]);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  std::size_t left() const { return rest_.size(); }

 private:
  std::string_view rest_;
};

std::uint32_t get_u32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

std::uint32_t crc_of(std::string_view bytes) {
  uLong crc = crc32(0L, Z_NULL, 0);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1u << 30);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data() + done), static_cast<uInt>(chunk));
    done += chunk;
  }
  return static_cast<std::uint32_t>(crc);
}

// Over every byte of the file but the checksum's own: deflate ignores some
// bits, and a flip there must not pass either.
std::uint32_t file_crc(std::string_view head, std::string_view packed) {
  return static_cast<std::uint32_t>(
      crc32_combine(crc_of(head), crc_of(packed), static_cast<z_off_t>(packed.size())));
}

bool is_key(unsigned char k) {
  return k == 27 || k == 'q' || k == 'Q' || k == 'y' || k == 'Y' || k == 'n' || k == 'N';
}

bool plain_name(const std::string& name) {
  if (name.empty() || name.size() > kMaxNameBytes || name == "." || name == "..") return false;
  for (const char c : name) {
    if (c == '/' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
  }
  return true;
}

std::string read_inputs(std::string_view bytes, std::vector<Input>& inputs) {
  Reader in(bytes);
  const auto count = in.number();
  // Every input takes a byte at least: a larger count cannot be true.
  if (!count || *count > in.left()) return "its input count is larger than its inputs";
  inputs.reserve(static_cast<std::size_t>(*count));
  std::int64_t tick = 0;
  for (std::uint64_t i = 0; i < *count; ++i) {
    const auto head = in.number();
    if (!head) return "an input is cut short";
    tick += static_cast<std::int64_t>(std::min<std::uint64_t>(*head >> 3, kMaxTicks + 1ull));
    if (tick > kMaxTicks) return "an input lies beyond the longest run";
    Input input;
    input.tick = static_cast<std::int32_t>(tick);
    switch (*head & 7) {
      case code_aim_whole: {
        const auto dx = in.signed_number();
        const auto dy = in.signed_number();
        if (!dx || !dy) return "an aim input is cut short";
        if (*dx <= -(1ll << 30) || *dx >= (1ll << 30) || *dy <= -(1ll << 30) || *dy >= (1ll << 30)) {
          return "an aim input is out of range";
        }
        input.kind = InputKind::aim;
        input.dx = static_cast<double>(*dx);
        input.dy = static_cast<double>(*dy);
        break;
      }
      case code_aim_scaled: {
        const auto scale = in.number();
        const auto dx = in.signed_number();
        const auto dy = in.signed_number();
        if (!scale || !dx || !dy) return "an aim input is cut short";
        if (*scale < 1 || *scale > static_cast<std::uint64_t>(kMostScale)) return "an aim input has a bad scale";
        const auto s = static_cast<int>(*scale);
        const std::int64_t limit = std::int64_t{1} << (30 + s);
        if (*dx <= -limit || *dx >= limit || *dy <= -limit || *dy >= limit) return "an aim input is out of range";
        input.kind = InputKind::aim;
        input.dx = std::ldexp(static_cast<double>(*dx), -s);
        input.dy = std::ldexp(static_cast<double>(*dy), -s);
        break;
      }
      case code_aim_exact: {
        const auto dx = in.real();
        const auto dy = in.real();
        if (!dx || !dy) return "an aim input is cut short";
        if (!std::isfinite(*dx) || !std::isfinite(*dy)) return "an aim input is not a finite number";
        input.kind = InputKind::aim;
        input.dx = *dx;
        input.dy = *dy;
        break;
      }
      case code_click:
        input.kind = InputKind::click;
        break;
      case code_key: {
        const auto key = in.bytes(1);
        if (!key) return "a key input is cut short";
        input.kind = InputKind::key;
        input.key = static_cast<unsigned char>((*key)[0]);
        if (!is_key(input.key)) return "a key input holds a key the game does not act on";
        break;
      }
      default:
        return "an input has an unknown kind";
    }
    inputs.push_back(input);
  }
  if (in.left() != 0) return "there are bytes after its inputs";
  return "";
}

std::string read_result(std::string_view bytes, Result& result) {
  Reader in(bytes);
  const auto ticks = in.number();
  const auto stage = in.number();
  const auto shots = in.number();
  const auto hits = in.number();
  const auto lives = in.signed_number();
  const auto cleared = in.bytes(1);
  const auto title_size = in.number();
  if (!title_size) return "its result is cut short";
  const auto title = in.bytes(*title_size);
  if (!ticks || !stage || !shots || !hits || !lives || !cleared || !title) return "its result is cut short";
  if (in.left() != 0) return "there are bytes after its result";
  constexpr auto int_max = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
  if (*ticks < 1 || *ticks > static_cast<std::uint64_t>(kMaxTicks)) return "its tick count is out of range";
  if (*stage > int_max || *shots > int_max || *hits > int_max) return "its result is out of range";
  if (*lives < std::numeric_limits<std::int32_t>::min() || *lives > std::numeric_limits<std::int32_t>::max()) {
    return "its lives are out of range";
  }
  const auto flag = static_cast<unsigned char>((*cleared)[0]);
  if (flag > 1) return "its cleared flag is neither 0 nor 1";
  if (title->empty() || title->size() > kMaxTitleBytes) return "its rank title is empty or too long";
  result.ticks = static_cast<std::int32_t>(*ticks);
  result.stage = static_cast<std::int32_t>(*stage);
  result.shots = static_cast<std::int32_t>(*shots);
  result.hits = static_cast<std::int32_t>(*hits);
  result.lives = static_cast<std::int32_t>(*lives);
  result.cleared = flag == 1;
  result.title = std::string(*title);
  return "";
}

std::string read_body(std::string_view body, Replay& replay) {
  Reader in(body);
  bool seen[kTagCount + 1] = {};
  while (in.left() > 0) {
    const auto tag = in.number();
    const auto size = tag ? in.number() : std::nullopt;
    if (!size) return "a field is cut short";
    const auto bytes = in.bytes(*size);
    if (!bytes) return "a field is cut short";
    if (*tag < 1 || *tag > kTagCount) return "it has a field this version does not know";
    if (seen[*tag]) return "it has a field twice";
    seen[*tag] = true;
    Reader field(*bytes);
    std::string error;
    switch (*tag) {
      case tag_course_name:
        replay.course_name = std::string(*bytes);
        break;
      case tag_course_text:
        if (bytes->size() > kMaxCourseBytes) return "its course is too long";
        replay.course_text = std::string(*bytes);
        break;
      case tag_random_state: {
        const auto v = field.number();
        if (!v || *v > 0xffffffffu || field.left() != 0) return "its random state is out of range";
        replay.random_state = static_cast<std::uint32_t>(*v);
        break;
      }
      case tag_start_tick: {
        const auto v = field.number();
        if (!v || *v >= 2147483647u || field.left() != 0) return "its start tick is out of range";
        replay.start_tick = static_cast<std::int32_t>(*v);
        break;
      }
      case tag_level: {
        const auto v = field.number();
        if (!v || *v > 3 || field.left() != 0) return "its course level is out of range";
        replay.level = static_cast<std::int32_t>(*v);
        break;
      }
      case tag_result:
        error = read_result(*bytes, replay.result);
        break;
      case tag_inputs:
        error = read_inputs(*bytes, replay.inputs);
        break;
      default:
        break;
    }
    if (!error.empty()) return error;
  }
  for (int tag = 1; tag <= kTagCount; ++tag) {
    if (!seen[tag]) return "a field is missing";
  }
  return problem(replay);
}

}  // namespace

std::string problem(const Replay& replay) {
  if (!plain_name(replay.course_name)) return "its course name is not a plain file name";
  if (replay.course_text.empty()) return "its course is empty";
  if (replay.course_text.size() > kMaxCourseBytes) return "its course is too long";
  if (replay.level < 0 || replay.level > 3) return "its course level is out of range";
  if (replay.start_tick < 0 || replay.start_tick == std::numeric_limits<std::int32_t>::max()) {
    return "its start tick is out of range";
  }
  const Result& r = replay.result;
  if (r.ticks < 1 || r.ticks > kMaxTicks) return "its tick count is out of range";
  if (r.stage < 0 || r.shots < 0 || r.hits < 0) return "its result is out of range";
  if (r.title.empty() || r.title.size() > kMaxTitleBytes) return "its rank title is empty or too long";
  std::int32_t previous = 0;
  for (const Input& in : replay.inputs) {
    if (in.tick < previous || in.tick > kMaxTicks) return "its inputs are not in tick order";
    previous = in.tick;
    if (in.kind == InputKind::aim && (!std::isfinite(in.dx) || !std::isfinite(in.dy))) {
      return "an aim input is not a finite number";
    }
    if (in.kind == InputKind::key && !is_key(in.key)) return "a key input holds a key the game does not act on";
  }
  return "";
}

std::string encode(const Replay& replay) {
  std::string body;
  std::string number;
  put_field(body, tag_course_name, replay.course_name);
  put_field(body, tag_course_text, replay.course_text);
  put_number(number, replay.random_state);
  put_field(body, tag_random_state, number);
  number.clear();
  put_number(number, static_cast<std::uint64_t>(replay.start_tick));
  put_field(body, tag_start_tick, number);
  number.clear();
  put_number(number, static_cast<std::uint64_t>(replay.level));
  put_field(body, tag_level, number);
  put_field(body, tag_result, encode_result(replay.result));
  put_field(body, tag_inputs, encode_inputs(replay.inputs));

  uLongf packed_size = compressBound(static_cast<uLong>(body.size()));
  std::string packed(packed_size, '\0');
  compress2(reinterpret_cast<Bytef*>(&packed[0]), &packed_size,
            reinterpret_cast<const Bytef*>(body.data()), static_cast<uLong>(body.size()), Z_BEST_COMPRESSION);
  packed.resize(packed_size);

  std::string head(kMagic, sizeof kMagic);
  head.push_back(static_cast<char>(kFormatVersion));
  put_u32(head, static_cast<std::uint32_t>(body.size()));
  std::string file = head;
  put_u32(file, file_crc(head, packed));
  return file + packed;
}

Decoded decode(std::string_view bytes) {
  Decoded decoded;
  if (bytes.size() < sizeof kMagic || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
    decoded.error = "not a replay file";
    return decoded;
  }
  if (bytes.size() < kHeaderBytes) {
    decoded.error = "the replay is cut short";
    return decoded;
  }
  const auto version = static_cast<unsigned char>(bytes[sizeof kMagic]);
  if (version != kFormatVersion) {
    decoded.error = "replay version " + std::to_string(version) + " is not supported (this game reads version " +
                    std::to_string(kFormatVersion) + ")";
    return decoded;
  }
  if (bytes.size() > kMaxFileBytes) {
    decoded.error = "the replay is larger than any replay can be";
    return decoded;
  }
  const std::uint32_t body_size = get_u32(bytes, 9);
  const std::uint32_t crc = get_u32(bytes, 13);
  // zlib packs at most about 1032 to 1: a larger claim is a lie.
  const std::size_t packed_bytes = bytes.size() - kHeaderBytes;
  if (body_size > kMaxBodyBytes || body_size > packed_bytes * 1040 + 64) {
    decoded.error = "the replay is damaged (its size is out of range)";
    return decoded;
  }
  if (file_crc(bytes.substr(0, 13), bytes.substr(kHeaderBytes)) != crc) {
    decoded.error = "the replay is damaged (its checksum does not match)";
    return decoded;
  }
  std::string body(body_size, '\0');
  uLongf unpacked = body_size;
  const std::string_view packed = bytes.substr(kHeaderBytes);
  uLong consumed = static_cast<uLong>(packed.size());
  const int status = uncompress2(reinterpret_cast<Bytef*>(body.empty() ? nullptr : &body[0]), &unpacked,
                                 reinterpret_cast<const Bytef*>(packed.data()), &consumed);
  if (status == Z_BUF_ERROR && consumed == packed.size()) {
    decoded.error = "the replay is cut short";
    return decoded;
  }
  if (status != Z_OK || unpacked != body_size || consumed != packed.size()) {
    decoded.error = "the replay is damaged (its compressed data do not read back)";
    return decoded;
  }
  return decode_body(body);
}

Decoded decode_body(std::string_view body) {
  Decoded decoded;
  const std::string error = read_body(body, decoded.replay);
  if (!error.empty()) decoded.error = "the replay is not valid: " + error;
  return decoded;
}

Decoded read_replay_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  Decoded decoded;
  if (!file.is_open()) {
    decoded.error = "cannot read " + path;
    return decoded;
  }
  std::string bytes;
  char chunk[65536];
  while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
    bytes.append(chunk, static_cast<std::size_t>(file.gcount()));
    // Reading stops just past the largest replay there can be.
    if (bytes.size() > kMaxFileBytes) break;
  }
  if (file.bad()) {
    decoded.error = "cannot read " + path;
    return decoded;
  }
  return decode(bytes);
}

}  // namespace replay
