#include "states/menu_state.h"

#include <GL/gl.h>

#include <cctype>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "states/gamesystem.h"
#include "states/menu_texts.h"
#include "states/progress.h"
#include "states/window_square.h"

namespace {

// Basic and the texts that need nothing show whatever the progress file held.
bool unlocked(int needs, int clearlevel) { return needs <= 0 || clearlevel >= needs; }

}  // namespace

void Menu_State::state_init(Gamesystem* sys) { read_progress_file(progress_file_name, sys->clearlevel); }

void Menu_State::display(Gamesystem* sys) {
  // The menu stands centred, laid out as in a square window of the smaller side.
  const Window_Square square = window_square(sys->width, sys->height);
  const int w = square.side;
  const int h = square.side;
  const int positions[7][2] = {
      {w / 3, h / 6},
      {w / 3, h / 4 + h / 20},
      {static_cast<int>(w / 2.8), h / 4 + h / 10},
      {static_cast<int>(w / 2.0), h / 4 + h / 10},
      {static_cast<int>(w / 2.8), h / 3 + h / 10},
      {static_cast<int>(w / 2.0), h / 3 + h / 10},
      {static_cast<int>(w / 2.8), h / 4 + h / 5 + h / 10},
  };
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDisable(GL_LIGHT0);
  const std::vector<MenuText>& texts = menu_texts();
  const Square_Viewport in_square(square);
  for (std::size_t i = 0; i < texts.size() && i < std::size(positions); ++i) {
    if (unlocked(texts[i].min_clearlevel, sys->clearlevel)) {
      sys->kanji.print(positions[i][0], positions[i][1], texts[i].sjis.c_str());
    }
  }
  glEnable(GL_LIGHT0);
}

void Menu_State::keyboard(unsigned char key, int, int, Gamesystem* sys) {
  if (key == 27 || key == 'q' || key == 'Q') std::exit(0);
  const int upper = std::toupper(key);
  for (int level = 0; level < 4; ++level) {
    if (upper == courses[level].key && unlocked(level, sys->clearlevel)) {
      start_course(level, sys);
      return;
    }
  }
}

void Menu_State::start_course(int level, Gamesystem* sys) {
  sys->level = level;
  sys->stagefile = courses[level].stagefile;
  sys->nowstate = state_transfer(PLAY);
  sys->nowstate->state_init(sys);
}
