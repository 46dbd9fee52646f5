// Checks stage files as the game reads them and reports every problem as
// file:line:column: error|warning: message. Exits 1 when any file has an
// error, 2 when a file cannot be read, 0 otherwise (warnings allowed).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tools/course_checker/course_check.h"

namespace {

// Far beyond any course: a larger file is not a stage file.
constexpr std::streamsize kLargestFile = 16 << 20;

std::optional<std::string> read_file(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text;
  char chunk[1 << 14];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    text.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (static_cast<std::streamsize>(text.size()) > kLargestFile) return std::nullopt;
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <stage file>...\n", argv[0]);
    return 2;
  }
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    std::optional<std::string> text = read_file(argv[i]);
    if (!text) {
      std::fprintf(stderr, "%s: cannot be read as a stage file\n", argv[i]);
      status = 2;
      continue;
    }
    const course::SourceText source(std::move(*text));
    const auto diagnostics = course::check_course(source);
    for (const course::Diagnostic& d : diagnostics) {
      std::printf("%s\n", course::format_diagnostic(argv[i], source, d).c_str());
    }
    if (status == 0 && course::has_errors(diagnostics)) status = 1;
  }
  return status;
}
