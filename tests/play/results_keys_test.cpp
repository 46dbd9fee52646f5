// The keys of the results screen, in either case: Y plays the course again,
// N goes back to the menu, anything else waits.
#include "tests/play/play_fixture.h"

namespace {

enum class After { retry, menu, waits };

struct KeyCase {
  unsigned char key;
  After after;
};

TEST_F(PlayTest, OnTheResultsYAndNWorkInEitherCaseAndOtherKeysWait) {
  const KeyCase cases[] = {{'y', After::retry}, {'Y', After::retry}, {'n', After::menu},
                           {'N', After::menu},  {'x', After::waits}, {'b', After::waits},
                           {' ', After::waits}, {'\r', After::waits}};
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "key '" << c.key << "'");
    sys.nowstate = &play;
    start(empty_stage(2) + empty_stage(3), 2);
    ticks(2);
    ASSERT_TRUE(play.finished);
    ASSERT_EQ(play.stage, 1);
    play.keyboard(c.key, 0, 0, &sys);
    switch (c.after) {
      case After::retry:
        EXPECT_FALSE(play.finished);
        EXPECT_EQ(play.stage, 0);
        EXPECT_EQ(play.ammo, 2) << "the course starts over with its first stage's bullets";
        EXPECT_EQ(sys.nowstate, &play);
        break;
      case After::menu:
        EXPECT_EQ(sys.nowstate, State::State_list[MENU]);
        break;
      case After::waits:
        EXPECT_TRUE(play.finished);
        EXPECT_EQ(play.stage, 1);
        EXPECT_EQ(sys.nowstate, &play);
        break;
    }
  }
}

}  // namespace
