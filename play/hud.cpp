// The texts of the play frame: the running display while a course is played,
// the results once it is over.
#include <GL/gl.h>

#include <cstdio>
#include <string>

#include "play/hud_texts.h"
#include "play/play_state.h"
#include "play/results.h"
#include "states/gamesystem.h"

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

void Play_State::scoredisplay(Gamesystem* sys) {
  const TextColour colour;
  const int w = sys->width;
  const int h = sys->height;
  const HudTexts& texts = hud_texts();
  qon::glKanji& kanji = sys->kanji;
  char buf[200];
  auto print_number = [&](const std::string& format, int value, int x, int y) {
    std::snprintf(buf, sizeof buf, format.c_str(), value);
    kanji.print(x, y, buf);
  };

  if (!finished) {
    const bool blink_on = field.tick % 3 != 0;
    print_number(texts.stage, stage + 1, static_cast<int>(w / 2.5), h / 5);
    if (blink_on && stage > 0 && field.clearcount > 0) {
      print_number(texts.stage_clear, stage, w / 3, h / 6);
    }
    print_number(texts.lives, field.lives, static_cast<int>(w / 2.5), 1);
    print_number(texts.ammo, ammo, static_cast<int>(w / 2.5), h / 15);
    if (field.combo >= 2) print_number(texts.combo, field.combo, static_cast<int>(w / 2.5), h / 10);
    const std::string* banner = combo_banner(field.combo);
    if (banner != nullptr && blink_on) kanji.print(static_cast<int>(w / 2.5), h / 8, banner->c_str());
    return;
  }

  if (allclear) {
    kanji.print(w / 3, h / 6, texts.clear.c_str());
    const std::string& message = sys->level == 3 ? texts.all_clear : texts.next_course;
    kanji.print(w / 4, h / 3, message.c_str());
  }
  print_number(texts.hit_rate, hit_rate(field.hits, shots), w / 4, h / 2);
  kanji.print(w / 3, static_cast<int>(h / 1.5), texts.retry.c_str());
  kanji.print(w / 4, static_cast<int>(h / 3.5), shown_title(stage).c_str());
}
