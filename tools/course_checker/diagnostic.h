#pragma once
// A problem found in a stage file, at an offset into its text.
#include <cstddef>
#include <string>
#include <vector>

#include "tools/course_checker/source_text.h"

namespace course {

enum class Severity { warning, error };

struct Diagnostic {
  std::size_t offset = 0;
  Severity severity = Severity::error;
  std::string message;
};

bool has_errors(const std::vector<Diagnostic>& diagnostics);

// "file:line:column: error: message"
std::string format_diagnostic(const std::string& file, const SourceText& source,
                              const Diagnostic& diagnostic);

}  // namespace course
