#include "tools/course_checker/diagnostic.h"

#include <algorithm>

namespace course {

bool has_errors(const std::vector<Diagnostic>& diagnostics) {
  return std::any_of(diagnostics.begin(), diagnostics.end(),
                     [](const Diagnostic& d) { return d.severity == Severity::error; });
}

std::string format_diagnostic(const std::string& file, const SourceText& source,
                              const Diagnostic& diagnostic) {
  const TextPosition at = source.position_of(diagnostic.offset);
  return file + ":" + std::to_string(at.line) + ":" + std::to_string(at.column) + ": " +
         (diagnostic.severity == Severity::error ? "error: " : "warning: ") + diagnostic.message;
}

}  // namespace course
