// The texts of the play frame: the running display while a course is played,
// the results once it is over.
#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "play/hud.h"
#include "play/hud_texts.h"
#include "play/play_state.h"
#include "play/results.h"
#include "states/gamesystem.h"
#include "states/window_square.h"

namespace {

// Lit by the scene's light, the texts took the colour of whatever figure was
// drawn last and vanished against the walls; one strong colour reads on the
// sky, the walls and the floor alike.
constexpr float text_colour[3] = {0.85f, 0.05f, 0.05f};

// Draws the texts unlit, in the text colour, leaving the lighting as it was.
class TextColour {
 public:
  TextColour() {
    glPushAttrib(GL_LIGHTING_BIT | GL_CURRENT_BIT | GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glColor3fv(text_colour);
  }
  ~TextColour() { glPopAttrib(); }
  TextColour(const TextColour&) = delete;
  TextColour& operator=(const TextColour&) = delete;
};

}  // namespace

HudValues Play_State::hud_values(const Gamesystem& sys) const {
  HudValues values;
  values.finished = finished;
  values.allclear = allclear;
  values.stage = stage;
  values.ammo = ammo;
  values.shots = shots;
  values.tick = field.tick;
  values.clearcount = field.clearcount;
  values.lives = field.lives;
  values.combo = field.combo;
  values.hits = field.hits;
  values.level = sys.level;
  return values;
}

void Play_State::scoredisplay(Gamesystem* sys) { draw_hud(sys, hud_values(*sys)); }

void draw_hud(Gamesystem* sys, const HudValues& v) {
  const TextColour colour;
  // The texts keep their places over the scope's opening, which fills the
  // square of the window's smaller side: anywhere else the mask hides them.
  const Window_Square square = window_square(sys->width, sys->height);
  const Square_Viewport in_square(square);
  const int w = square.side;
  const int h = square.side;
  const HudTexts& texts = hud_texts();
  qon::glKanji& kanji = sys->kanji;
  char buf[200];
  auto print_number = [&](const std::string& format, int value, int x, int y) {
    std::snprintf(buf, sizeof buf, format.c_str(), value);
    kanji.print(x, y, buf);
  };

  if (!v.finished) {
    const bool blink_on = v.tick % 3 != 0;
    print_number(texts.stage, v.stage + 1, static_cast<int>(w / 2.5), h / 5);
    if (blink_on && v.stage > 0 && v.clearcount > 0) {
      print_number(texts.stage_clear, v.stage, w / 3, h / 6);
    }
    print_number(texts.lives, v.lives, static_cast<int>(w / 2.5), 1);
    print_number(texts.ammo, v.ammo, static_cast<int>(w / 2.5), h / 15);
    if (v.combo >= 2) print_number(texts.combo, v.combo, static_cast<int>(w / 2.5), h / 10);
    const std::string* banner = combo_banner(v.combo);
    if (banner != nullptr && blink_on) kanji.print(static_cast<int>(w / 2.5), h / 8, banner->c_str());
    return;
  }

  if (v.allclear) {
    kanji.print(w / 3, h / 6, texts.clear.c_str());
    const std::string& message = v.level == 3 ? texts.all_clear : texts.next_course;
    kanji.print(w / 4, h / 3, message.c_str());
  }
  print_number(texts.hit_rate, hit_rate(v.hits, v.shots), w / 4, h / 2);
  kanji.print(w / 3, static_cast<int>(h / 1.5), texts.retry.c_str());
  kanji.print(w / 4, static_cast<int>(h / 3.5), shown_title(v.stage).c_str());
}
