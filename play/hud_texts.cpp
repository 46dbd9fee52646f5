#include "play/hud_texts.h"

#include <utility>

#include "platform/encoding.h"
#include "play/results.h"

namespace {

// Stages 0 to 17 reach every row of the rank table.
constexpr std::int32_t kLastTitleRow = 17;

// The banners for the combos that earn lives.
const std::vector<std::pair<int, std::string>>& combo_banners() {
  static const std::vector<std::pair<int, std::string>> banners = {
      {5, platform::to_sjis("COMBO BONUS：LIFE+1!")},
      {10, platform::to_sjis("COMBO BONUS：LIFE+2!!")},
      {20, platform::to_sjis("COMBO BONUS：LIFE+3!!!")},
      {30, platform::to_sjis("COMBO BONUS：LIFE+5!!!")},
      {50, platform::to_sjis("COMBO BONUS：LIFE+10!!!!")},
  };
  return banners;
}

}  // namespace

const HudTexts& hud_texts() {
  static const HudTexts texts{
      platform::to_sjis("ステージ %d"),
      platform::to_sjis("ステージ%d クリア!!"),
      platform::to_sjis("LIFE:%d"),
      platform::to_sjis("弾:%d"),
      platform::to_sjis("%d COMBO!!"),
      platform::to_sjis("CLEAR!!!"),
      platform::to_sjis("オールクリア!!!1流スナイパーの称号を授けます"),
      platform::to_sjis("Try to Next Stage !!!"),
      platform::to_sjis("命中率:%d％"),
      platform::to_sjis("もう一度(Y) メニューに戻る(N)"),
  };
  return texts;
}

const std::string* combo_banner(int combo) {
  for (const auto& banner : combo_banners()) {
    if (banner.first == combo) return &banner.second;
  }
  return nullptr;
}

const std::string& shown_title(std::int32_t stage) {
  static std::string by_stage[kLastTitleRow + 1];
  const std::int32_t row = stage < 0 ? 0 : (stage > kLastTitleRow ? kLastTitleRow : stage);
  std::string& text = by_stage[row];
  if (text.empty()) text = platform::to_sjis(rank_title(row).shown);
  return text;
}

std::vector<std::string> every_hud_text() {
  const HudTexts& t = hud_texts();
  std::vector<std::string> all = {t.stage, t.stage_clear, t.lives,       t.ammo,     t.combo,
                                  t.clear, t.all_clear,   t.next_course, t.hit_rate, t.retry};
  for (const auto& banner : combo_banners()) all.push_back(banner.second);
  for (std::int32_t stage = 0; stage <= kLastTitleRow; ++stage) all.push_back(shown_title(stage));
  return all;
}
