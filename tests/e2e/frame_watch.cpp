// Moves the pointer and watches a window for the first frame that shows it.
//
//   frame_watch WINDOW TRIALS DX [--click]
//
// For each trial: waits a while (a different share of a tick each time),
// optionally clicks the left button, moves the pointer DX pixels sideways
// (alternately right and left), then reads the floor band at the bottom of
// the view every half millisecond until it changes. One line per trial: the
// milliseconds from the move to that frame, and whether the texts band at the
// top, read right after, was still as before the click (1) or not (0). A
// trial that sees no change prints "- -".
//
//   frame_watch WINDOW --count SECONDS
//
// Reads the middle of the window for SECONDS and prints how many times a
// second a read differed from the one before: the new frames a second.
//
// Only small bands are read, so that the server stays free for the game.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct Band {
  int x, y, w, h;
};
constexpr Band floor_band{150, 460, 300, 40};  // the near checkerboard
constexpr Band texts_band{236, 36, 104, 24};   // the bullet count
constexpr Band middle_band{200, 150, 200, 200};

// The band's pixels as the server holds them; empty when it cannot be read.
std::string grab(Display* display, Window window, const Band& band) {
  XImage* image = XGetImage(display, window, band.x, band.y, static_cast<unsigned>(band.w),
                            static_cast<unsigned>(band.h), AllPlanes, ZPixmap);
  if (image == nullptr) return {};
  std::string pixels(image->data, static_cast<std::size_t>(image->bytes_per_line) * band.h);
  XDestroyImage(image);
  return pixels;
}

void pause_between_reads() { std::this_thread::sleep_for(std::chrono::microseconds(500)); }

double new_frames_a_second(Display* display, Window window, double seconds) {
  std::string last = grab(display, window, middle_band);
  int changes = 0;
  const Clock::time_point start = Clock::now();
  while (Clock::now() - start < std::chrono::duration<double>(seconds)) {
    pause_between_reads();
    std::string now = grab(display, window, middle_band);
    if (now != last) {
      ++changes;
      last.swap(now);
    }
  }
  return changes / seconds;
}

}  // namespace

int main(int argc, char** argv) {
  const bool count = argc == 4 && std::string(argv[2]) == "--count";
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: frame_watch WINDOW TRIALS DX [--click] | WINDOW --count SECONDS\n");
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "frame_watch: no display\n");
    return 1;
  }
  if (count) {
    std::printf("%.1f\n", new_frames_a_second(display, window, std::atof(argv[3])));
    XCloseDisplay(display);
    return 0;
  }
  const int trials = std::atoi(argv[2]);
  const int dx = std::atoi(argv[3]);
  const bool click = argc > 4 && std::string(argv[4]) == "--click";
  for (int trial = 0; trial < trials; ++trial) {
    // Spread the moves over the tick: 250 ms and a further 0 to 90 ms.
    std::this_thread::sleep_for(std::chrono::milliseconds(250 + (trial * 37) % 91));
    const std::string floor_before = grab(display, window, floor_band);
    const std::string texts_before = grab(display, window, texts_band);
    if (floor_before.empty() || texts_before.empty()) return 1;
    if (click) {
      XTestFakeButtonEvent(display, 1, True, CurrentTime);
      XTestFakeButtonEvent(display, 1, False, CurrentTime);
    }
    const int step = trial % 2 == 0 ? dx : -dx;
    XTestFakeRelativeMotionEvent(display, step, 0, CurrentTime);
    XFlush(display);
    const Clock::time_point moved = Clock::now();
    bool seen = false;
    while (Clock::now() - moved < std::chrono::seconds(1)) {
      if (grab(display, window, floor_band) != floor_before) {
        const std::chrono::duration<double, std::milli> took = Clock::now() - moved;
        const bool texts_kept = grab(display, window, texts_band) == texts_before;
        std::printf("%.2f %d\n", took.count(), texts_kept ? 1 : 0);
        seen = true;
        break;
      }
      pause_between_reads();
    }
    if (!seen) std::printf("- -\n");
    std::fflush(stdout);
  }
  XCloseDisplay(display);
  return 0;
}
