// The texts of the play frame: the running display while a course is played,
// the results once it is over.
#include <GL/gl.h>

#include <cstdio>
#include <string>
#include <utility>

#include "platform/encoding.h"
#include "play/play_state.h"
#include "play/results.h"
#include "states/gamesystem.h"
#include "states/window_square.h"

namespace {

// Window texts are Shift-JIS; each is converted once, on first use.
struct HudTexts {
  std::string stage = platform::to_sjis("ステージ %d");
  std::string stage_clear = platform::to_sjis("ステージ%d クリア!!");
  std::string lives = platform::to_sjis("LIFE:%d");
  std::string ammo = platform::to_sjis("弾:%d");
  std::string combo = platform::to_sjis("%d COMBO!!");
  std::string clear = platform::to_sjis("CLEAR!!!");
  std::string all_clear = platform::to_sjis("オールクリア!!!1流スナイパーの称号を授けます");
  std::string next_course = platform::to_sjis("Try to Next Stage !!!");
  std::string hit_rate = platform::to_sjis("命中率:%d％");
  std::string retry = platform::to_sjis("もう一度(Y) メニューに戻る(N)");
};

const HudTexts& hud_texts() {
  static const HudTexts texts;
  return texts;
}

// The banner for a combo that has just earned lives, or null.
const std::string* combo_banner(int combo) {
  static const std::pair<int, std::string> banners[] = {
      {5, platform::to_sjis("COMBO BONUS：LIFE+1!")},
      {10, platform::to_sjis("COMBO BONUS：LIFE+2!!")},
      {20, platform::to_sjis("COMBO BONUS：LIFE+3!!!")},
      {30, platform::to_sjis("COMBO BONUS：LIFE+5!!!")},
      {50, platform::to_sjis("COMBO BONUS：LIFE+10!!!!")},
  };
  for (const auto& banner : banners) {
    if (banner.first == combo) return &banner.second;
  }
  return nullptr;
}

const std::string& shown_title(std::int32_t stage) {
  // Stages 0 to 17 reach every row of the table; each is converted once.
  static std::string by_stage[18];
  const std::int32_t row = stage < 0 ? 0 : (stage > 17 ? 17 : stage);
  std::string& text = by_stage[row];
  if (text.empty()) text = platform::to_sjis(rank_title(row).shown);
  return text;
}

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
