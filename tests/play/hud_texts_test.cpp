// What the running display and the results say: every string the play frame
// hands the font, recorded without a window (with no GL context the library's
// calls do nothing, and an empty font draws nothing).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "play/play_state.h"
#include "states/gamesystem.h"

namespace {

class TestSystem final : public Gamesystem {};

class PrintRecorder final : public qon::PrintObserver {
 public:
  void printed(const char* str) override { strings.emplace_back(str); }
  std::vector<std::string> strings;
};

// The texts as the game writes them, in Shift-JIS, in no particular order.
std::vector<std::string> shown(std::vector<std::string> utf8) {
  for (std::string& text : utf8) text = platform::to_sjis(text);
  std::sort(utf8.begin(), utf8.end());
  return utf8;
}

class HudTexts : public testing::Test {
 protected:
  HudTexts() {
    sys.width = 600;
    sys.height = 600;
    sys.kanji.observer = &recorder;
  }

  std::vector<std::string> draw() {
    recorder.strings.clear();
    play.scoredisplay(&sys);
    std::vector<std::string> strings = recorder.strings;
    std::sort(strings.begin(), strings.end());
    return strings;
  }

  TestSystem sys;
  Play_State play;
  PrintRecorder recorder;
};

struct RunningCase {
  int tick, stage, clearcount, lives, ammo, combo;
  std::vector<std::string> texts;
};

TEST_F(HudTexts, TheRunningDisplayShowsTheStageLivesBulletsAndCombo) {
  const RunningCase cases[] = {
      {1, 0, 0, 5, 12, 0, {"ステージ 1", "LIFE:5", "弾:12"}},
      // No banner for a stage 0 "cleared", whatever the counter says.
      {4, 0, 30, 5, 12, 1, {"ステージ 1", "LIFE:5", "弾:12"}},
      {4, 1, 29, 3, 7, 2, {"ステージ 2", "ステージ1 クリア!!", "LIFE:3", "弾:7", "2 COMBO!!"}},
      // Every third tick the banners blink off.
      {6, 1, 29, 3, 7, 2, {"ステージ 2", "LIFE:3", "弾:7", "2 COMBO!!"}},
      {5, 4, 0, 6, 0, 5, {"ステージ 5", "LIFE:6", "弾:0", "5 COMBO!!", "COMBO BONUS：LIFE+1!"}},
      {3, 4, 0, 6, 0, 5, {"ステージ 5", "LIFE:6", "弾:0", "5 COMBO!!"}},
      {7, 9, 0, 12, 34, 10, {"ステージ 10", "LIFE:12", "弾:34", "10 COMBO!!", "COMBO BONUS：LIFE+2!!"}},
      {8, 10, 3, 1, 1, 20,
       {"ステージ 11", "ステージ10 クリア!!", "LIFE:1", "弾:1", "20 COMBO!!", "COMBO BONUS：LIFE+3!!!"}},
      {1, 11, 0, 40, 2, 30, {"ステージ 12", "LIFE:40", "弾:2", "30 COMBO!!", "COMBO BONUS：LIFE+5!!!"}},
      {2, 17, 0, 99, 250, 50, {"ステージ 18", "LIFE:99", "弾:250", "50 COMBO!!", "COMBO BONUS：LIFE+10!!!!"}},
      {2, 17, 0, 99, 2000000000, 51, {"ステージ 18", "LIFE:99", "弾:2000000000", "51 COMBO!!"}},
  };
  for (const RunningCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "tick " << c.tick << " stage " << c.stage << " clearcount "
                                    << c.clearcount << " combo " << c.combo);
    play.finished = false;
    play.field.tick = c.tick;
    play.stage = c.stage;
    play.field.clearcount = c.clearcount;
    play.field.lives = c.lives;
    play.ammo = c.ammo;
    play.field.combo = c.combo;
    EXPECT_EQ(draw(), shown(c.texts));
  }
}

struct ResultsCase {
  bool allclear;
  int level, stage, hits, shots;
  std::vector<std::string> texts;
};

TEST_F(HudTexts, TheResultsShowTheClearMessageHitRateRetryAndTitle) {
  const std::string retry = "もう一度(Y) メニューに戻る(N)";
  const ResultsCase cases[] = {
      {true, 3, 17, 90, 100,
       {"CLEAR!!!", "オールクリア!!!1流スナイパーの称号を授けます", "命中率:90％", retry, "称号:ごるご１３"}},
      {true, 0, 5, 7, 10, {"CLEAR!!!", "Try to Next Stage !!!", "命中率:70％", retry, "称号:夜店の射撃名人"}},
      {true, 2, 14, 2, 3, {"CLEAR!!!", "Try to Next Stage !!!", "命中率:66％", retry, "称号:１流スナイパー"}},
      {false, 3, 0, 0, 0, {"命中率:0％", retry, "称号:論外"}},
      {false, 1, 2, 4, 3, {"命中率:133％", retry, "称号:へたれ"}},
      {false, 0, 8, 1, 3, {"命中率:33％", retry, "称号:火縄銃使い"}},
  };
  for (const ResultsCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "allclear " << c.allclear << " level " << c.level << " stage " << c.stage
                                    << " " << c.hits << " hits of " << c.shots);
    play.finished = true;
    play.allclear = c.allclear;
    sys.level = c.level;
    play.stage = c.stage;
    play.field.hits = c.hits;
    play.shots = c.shots;
    // The running counters are not shown once the course is over.
    play.field.lives = 7;
    play.ammo = 9;
    play.field.combo = 5;
    play.field.tick = 1;
    EXPECT_EQ(draw(), shown(c.texts));
  }
}

}  // namespace
