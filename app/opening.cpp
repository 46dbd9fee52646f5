#include "app/opening.h"

#include <GL/gl.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "app/music_start.h"
#include "platform/console.h"

StartChoice ask_start(std::istream& in) {
  std::string word;
  for (;;) {
    platform::console_line("１：ゲームを開始する２：終了");
    if (!(in >> word)) return StartChoice::Quit;
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
