#pragma once
// Frames kept as files: a picture taken once and compared pixel for pixel
// with what is drawn now. The files are binary PPM (P6, 8 bits a channel).
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/gl_window.h"

inline bool write_frame_file(const Frame& frame, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << frame.width() << ' ' << frame.height() << "\n255\n";
  out.write(reinterpret_cast<const char*>(frame.rgb().data()), static_cast<std::streamsize>(frame.rgb().size()));
  return static_cast<bool>(out);
}

// The frame kept in path, or nothing when the file is missing or no P6 image.
inline std::optional<Frame> read_frame_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  if (!(in >> magic >> width >> height >> maximum) || magic != "P6" || maximum != 255 || width <= 0 ||
      height <= 0) {
    return std::nullopt;
  }
  in.get();  // the one blank that ends the header
  std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
  if (!in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()))) return std::nullopt;
  return Frame(width, height, std::move(rgb));
}

// Pixels in which two frames of one size differ; every pixel when the sizes differ.
inline long pixels_differing(const Frame& a, const Frame& b) {
  if (a.width() != b.width() || a.height() != b.height()) {
    return static_cast<long>(a.width()) * a.height();
  }
  long differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const unsigned char* p = a.at(x, y);
      const unsigned char* q = b.at(x, y);
      differing += p[0] != q[0] || p[1] != q[1] || p[2] != q[2];
    }
  }
  return differing;
}

// With QS_RECORD_FRAMES set in the environment, a test writes the frames it
// compares instead of comparing them: the way a kept picture is (re)taken.
inline bool recording_frames() { return std::getenv("QS_RECORD_FRAMES") != nullptr; }
