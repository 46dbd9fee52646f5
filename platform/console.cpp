#include "platform/console.h"

#include <cstdio>
#include <string>

#include "platform/encoding.h"

namespace platform {
namespace {

bool quiet_console = false;

}  // namespace

bool set_console_quiet(bool quiet) {
  const bool previous = quiet_console;
  quiet_console = quiet;
  return previous;
}

void console_line(std::string_view utf8) {
  if (quiet_console) return;
  const std::string text = to_console(utf8);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace platform
