// Moves the pointer and watches a window for the first frame that shows it.
//
//   frame_watch WINDOW TRIALS DX [--click]
//
// For each trial: waits a while (a different share of a tick each time),
// optionally clicks the left button, moves the pointer DX pixels sideways
// (alternately right and left), then reads the window every half
// millisecond until the floor band at the bottom of the view changes. One line
// per trial: the milliseconds from the move to that frame, and whether the
// texts band at the top was still as before the click in that same frame
// (1) or not (0). A trial that sees no change prints "- -".
//
//   frame_watch WINDOW --count SECONDS
//
// Reads the window for SECONDS and prints how many times a read differed
// from the one before: the frames a second that showed something new.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The box read in one request, so that both bands come from one frame: the
// texts band holds the bullet count, the floor band the near checkerboard.
constexpr int box_x = 200, box_y = 36, box_w = 200, box_h = 464;
constexpr int texts_y0 = 0, texts_y1 = 24;     // window rows 36 to 59
constexpr int floor_y0 = 424, floor_y1 = 464;  // window rows 460 to 499

std::vector<unsigned long> grab(Display* display, Window window) {
  std::vector<unsigned long> pixels;
  XImage* image = XGetImage(display, window, box_x, box_y, box_w, box_h, AllPlanes, ZPixmap);
  if (image == nullptr) return pixels;
  pixels.reserve(static_cast<std::size_t>(box_w) * box_h);
  for (int y = 0; y < box_h; ++y) {
    for (int x = 0; x < box_w; ++x) pixels.push_back(XGetPixel(image, x, y));
  }
  XDestroyImage(image);
  return pixels;
}

bool band_equal(const std::vector<unsigned long>& a, const std::vector<unsigned long>& b, int y0,
                int y1) {
  const std::size_t from = static_cast<std::size_t>(y0) * box_w;
  const std::size_t to = static_cast<std::size_t>(y1) * box_w;
  return std::equal(a.begin() + static_cast<long>(from), a.begin() + static_cast<long>(to),
                    b.begin() + static_cast<long>(from));
}

int count_changes(Display* display, Window window, double seconds) {
  std::vector<unsigned long> last = grab(display, window);
  int changes = 0;
  const Clock::time_point start = Clock::now();
  while (Clock::now() - start < std::chrono::duration<double>(seconds)) {
    std::this_thread::sleep_for(std::chrono::microseconds(500));
    std::vector<unsigned long> now = grab(display, window);
    if (now != last) {
      ++changes;
      last.swap(now);
    }
  }
  return changes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[2]) == "--count") {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    const double seconds = std::atof(argv[3]);
    const int changes = count_changes(display, std::strtoul(argv[1], nullptr, 0), seconds);
    std::printf("%.1f\n", changes / seconds);
    XCloseDisplay(display);
    return 0;
  }
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: frame_watch WINDOW TRIALS DX [--click] | WINDOW --count SECONDS\n");
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const int trials = std::atoi(argv[2]);
  const int dx = std::atoi(argv[3]);
  const bool click = argc > 4 && std::string(argv[4]) == "--click";
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "frame_watch: no display\n");
    return 1;
  }
  for (int trial = 0; trial < trials; ++trial) {
    // Spread the moves over the tick: 250 ms and a further 0 to 90 ms.
    std::this_thread::sleep_for(std::chrono::milliseconds(250 + (trial * 37) % 91));
    const std::vector<unsigned long> before = grab(display, window);
    if (before.empty()) return 1;
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
      const std::vector<unsigned long> now = grab(display, window);
      if (now.size() == before.size() && !band_equal(before, now, floor_y0, floor_y1)) {
        const std::chrono::duration<double, std::milli> took = Clock::now() - moved;
        std::printf("%.2f %d\n", took.count(), band_equal(before, now, texts_y0, texts_y1) ? 1 : 0);
        seen = true;
        break;
      }
      // Leaves the processors to the game and the server between reads.
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    if (!seen) std::printf("- -\n");
    std::fflush(stdout);
  }
  XCloseDisplay(display);
  return 0;
}
