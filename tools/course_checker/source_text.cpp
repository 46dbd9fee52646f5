#include "tools/course_checker/source_text.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace course {

SourceText::SourceText(std::string text) : text_(std::move(text)) {
  line_starts_.push_back(0);
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (text_[i] == '\n') line_starts_.push_back(i + 1);
  }
}

TextPosition SourceText::position_of(std::size_t offset) const {
  offset = std::min(offset, text_.size());
  const auto next = std::upper_bound(line_starts_.begin(), line_starts_.end(), offset);
  const std::size_t line = static_cast<std::size_t>(next - line_starts_.begin());
  return TextPosition{line, offset - line_starts_[line - 1] + 1};
}

std::string_view SourceText::token_at(std::size_t offset) const {
  if (offset >= text_.size()) return {};
  std::size_t end = offset;
  while (end < text_.size() && !std::isspace(static_cast<unsigned char>(text_[end]))) ++end;
  return std::string_view(text_).substr(offset, end - offset);
}

std::size_t SourceText::line_start(std::size_t offset) const {
  const TextPosition at = position_of(offset);
  return line_starts_[at.line - 1];
}

}  // namespace course
