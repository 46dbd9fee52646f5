// Measures the time from a real pointer movement to the first frame that
// shows the view turned. Moves the pointer with XTest (so that raw motion is
// produced, as by a real mouse) and watches a strip of the game window until
// its pixels change. Usage: aim_latency WINDOW_ID [moves] [pixels]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A strip across the middle of the window, where the range's checkerboard
// shifts with every turn.
std::vector<unsigned long> strip(Display* dpy, Window window) {
  XWindowAttributes attributes;
  XGetWindowAttributes(dpy, window, &attributes);
  const int y = attributes.height * 3 / 4;
  XImage* image = XGetImage(dpy, window, 0, y, static_cast<unsigned>(attributes.width), 1,
                            AllPlanes, ZPixmap);
  std::vector<unsigned long> pixels;
  if (image == nullptr) return pixels;
  for (int x = 0; x < attributes.width; ++x) pixels.push_back(XGetPixel(image, x, 0));
  XDestroyImage(image);
  return pixels;
}

double percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[index];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: aim_latency WINDOW_ID [moves] [pixels]\n");
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const int moves = argc > 2 ? std::atoi(argv[2]) : 40;
  const int pixels = argc > 3 ? std::atoi(argv[3]) : 5;
  Display* dpy = XOpenDisplay(nullptr);
  if (dpy == nullptr) {
    std::fprintf(stderr, "aim_latency: no display\n");
    return 1;
  }
  int event_base = 0, error_base = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(dpy, &event_base, &error_base, &major, &minor)) {
    std::fprintf(stderr, "aim_latency: the server has no XTest\n");
    return 1;
  }
  std::vector<double> latencies;
  for (int i = 0; i < moves; ++i) {
    // Let a tick or two pass so that the move lands at a random phase of the tick.
    std::this_thread::sleep_for(std::chrono::milliseconds(130 + (i * 37) % 100));
    const std::vector<unsigned long> before = strip(dpy, window);
    const int dx = i % 2 == 0 ? pixels : -pixels;
    const Clock::time_point start = Clock::now();
    XTestFakeRelativeMotionEvent(dpy, dx, 0, CurrentTime);
    XFlush(dpy);
    bool changed = false;
    while (Clock::now() - start < std::chrono::seconds(2)) {
      if (strip(dpy, window) != before) {
        changed = true;
        break;
      }
    }
    if (!changed) {
      std::fprintf(stderr, "aim_latency: move %d never showed\n", i);
      continue;
    }
    latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  if (latencies.empty()) return 1;
  double sum = 0;
  for (const double l : latencies) sum += l;
  std::printf("moves %zu  mean %.1f ms  median %.1f ms  p90 %.1f ms  max %.1f ms\n",
              latencies.size(), sum / static_cast<double>(latencies.size()),
              percentile(latencies, 0.5), percentile(latencies, 0.9),
              *std::max_element(latencies.begin(), latencies.end()));
  XCloseDisplay(dpy);
  return 0;
}
