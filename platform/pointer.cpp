#include "platform/pointer.h"

namespace platform {
namespace {
PointerBackend* current_backend = nullptr;
}

PointerBackend* set_pointer_backend(PointerBackend* backend) {
  PointerBackend* previous = current_backend;
  current_backend = backend;
  return previous;
}

void pointer_hide() {
  if (current_backend != nullptr) current_backend->hide();
}

void pointer_warp(int x, int y) {
  if (current_backend != nullptr) current_backend->warp(x, y);
}

void pointer_warp_screen(int x, int y) {
  if (current_backend == nullptr) return;
  int left = 0;
  int top = 0;
  current_backend->window_origin(left, top);
  current_backend->warp(x - left, y - top);
}

}  // namespace platform
