#include "platform/console.h"

#include <cstdio>
#include <string>

#include "platform/encoding.h"

namespace platform {

void console_line(std::string_view utf8) {
  const std::string text = to_console(utf8);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace platform
