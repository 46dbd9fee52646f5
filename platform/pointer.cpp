#include "platform/pointer.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace platform {
namespace {

PointerBackend* current_backend = nullptr;

// Targets of warps whose echo has not arrived yet, oldest first. An echo can
// be lost (the pointer left the screen, say); the cap keeps such stale
// entries from piling up.
std::vector<std::pair<int, int>> pending_warps;
constexpr std::size_t max_pending_warps = 32;

}  // namespace

PointerBackend* set_pointer_backend(PointerBackend* backend) {
  PointerBackend* previous = current_backend;
  current_backend = backend;
  return previous;
}

void pointer_hide() {
  if (current_backend != nullptr) current_backend->hide();
}

bool pointer_reports_motion() { return current_backend != nullptr && current_backend->reports_motion(); }

std::vector<PointerMotion> pointer_take_motion() {
  std::vector<PointerMotion> motion;
  if (current_backend != nullptr) current_backend->take_motion(motion);
  return motion;
}

void pointer_confine(bool on) {
  if (current_backend != nullptr) current_backend->confine(on);
}

void pointer_poll() {
  if (current_backend != nullptr) current_backend->poll();
}

void pointer_give_up_raw_motion() {
  if (current_backend != nullptr) current_backend->give_up_raw_motion();
}

void pointer_warp(int x, int y) {
  if (current_backend == nullptr) return;
  if (pending_warps.size() == max_pending_warps) pending_warps.erase(pending_warps.begin());
  pending_warps.emplace_back(x, y);
  current_backend->warp(x, y);
}

bool pointer_take_echo(int x, int y) {
  const auto echo = std::find(pending_warps.begin(), pending_warps.end(), std::make_pair(x, y));
  if (echo == pending_warps.end()) return false;
  pending_warps.erase(echo);
  return true;
}

void pointer_forget_warps() { pending_warps.clear(); }

void pointer_warp_screen(int x, int y) {
  if (current_backend == nullptr) return;
  int left = 0;
  int top = 0;
  current_backend->window_origin(left, top);
  pointer_warp(x - left, y - top);
}

}  // namespace platform
