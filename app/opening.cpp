#include "app/opening.h"

#include <GL/gl.h>

#include <cstdlib>
#include <iostream>
#include <locale>
#include <string>

#include "app/music_start.h"
#include "platform/console.h"

namespace {

// Longer words are no answer, and are not kept: input with no whitespace
// must not grow a word without end.
constexpr std::size_t kLongestWord = 64;

// Reads the next word, as formatted extraction would, into `word`; false
// when the input ends first. A word longer than kLongestWord bytes is read
// to its end and comes back empty, which answers nothing.
bool read_word(std::istream& in, std::string& word) {
  using traits = std::char_traits<char>;
  word.clear();
  const std::istream::sentry skipped_space(in);
  if (!skipped_space) return false;
  const auto& ctype = std::use_facet<std::ctype<char>>(in.getloc());
  std::streambuf& buf = *in.rdbuf();
  bool too_long = false;
  auto c = buf.sgetc();
  for (; !traits::eq_int_type(c, traits::eof()); c = buf.snextc()) {
    const char ch = traits::to_char_type(c);
    if (ctype.is(std::ctype_base::space, ch)) break;
    too_long = too_long || word.size() == kLongestWord;
    if (!too_long) word.push_back(ch);
  }
  if (traits::eq_int_type(c, traits::eof())) in.setstate(std::ios_base::eofbit);
  if (too_long) word.clear();
  return true;
}

}  // namespace

StartChoice ask_start(std::istream& in) {
  std::string word;
  word.reserve(kLongestWord);
  for (;;) {
    platform::console_line("１：ゲームを開始する２：終了");
    if (!read_word(in, word)) return StartChoice::Quit;
    if (word == "1") return StartChoice::Start;
    if (word == "2") return StartChoice::Quit;
  }
}

void opening() {
  platform::console_line("********************************************");
  platform::console_line("*                                          *");
  platform::console_line("*            Quorrelstead                  *");
  platform::console_line("*                                          *");
  platform::console_line("********************************************");
  if (ask_start(std::cin) == StartChoice::Quit) {
    finish_music_start();
    std::exit(-1);
  }
  platform::console_line("!!!注意!!!");
  platform::console_line("ゲームが開始するとマウスポインタが見えなくなります．");
  platform::console_line("ゲームを途中で終了するときはEscまたはQキーを押してください．");
}

void initgame() {
  glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnableClientState(GL_VERTEX_ARRAY);
}
