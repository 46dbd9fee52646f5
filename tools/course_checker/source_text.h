#pragma once
// A stage file's text with its line starts, to turn stream offsets into
// line:column positions and to look at the text around them.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace course {

struct TextPosition {
  std::size_t line = 1;    // from 1
  std::size_t column = 1;  // from 1, in bytes
};

class SourceText {
 public:
  explicit SourceText(std::string text);

  const std::string& text() const { return text_; }
  std::size_t size() const { return text_.size(); }
  // Offsets at or past the end give the position right after the last byte.
  TextPosition position_of(std::size_t offset) const;
  // The run of non-blank characters starting at the offset.
  std::string_view token_at(std::size_t offset) const;
  // Where the line holding the offset starts.
  std::size_t line_start(std::size_t offset) const;

 private:
  std::string text_;
  std::vector<std::size_t> line_starts_;
};

}  // namespace course
