#include <GL/freeglut.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "play/play_view.h"
#include "world/angle.h"
#include "world/random.h"
#include "tests/play/play_fixture.h"
#include "world/tama.h"

namespace {

TEST_F(PlayTest, StartResetsTheCourseButKeepsTheTickAfterTheFirstStart) {
  start(empty_stage(7) + empty_stage(3), 2);
  EXPECT_EQ(play.stagenum, 2);
  EXPECT_EQ(play.ammo, 7);
  EXPECT_EQ(play.field.lives, 5);
  EXPECT_EQ(play.field.tick, 1);
  EXPECT_EQ(pointer.hides, 1);
  EXPECT_DOUBLE_EQ(scopeVertices[0], 0.6);
  EXPECT_FALSE(play.finished);

  play.field.tick = 500;
  play.yaw = 12;
  play.shots = 4;
  play.field.combo = 3;
  play.field.hits = 2;
  play.state_init(&sys);
  EXPECT_EQ(play.field.tick, 500);
  EXPECT_EQ(play.yaw, 0);
  EXPECT_EQ(play.shots, 0);
  EXPECT_EQ(play.field.combo, 0);
  EXPECT_EQ(play.field.hits, 0);
  EXPECT_EQ(play.ammo, 7);
}

TEST_F(PlayTest, ABulletFliesAlongTheLineOfSight) {
  start(empty_stage(10), 1);
  const double angles[][2] = {{0, 0}, {30, 0}, {-45, 10}, {20, -60}, {45, 20}};
  int fired = 0;
  for (const auto& angle : angles) {
    play.yaw = angle[0];
    play.pitch = angle[1];
    play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
    ++fired;
    const buttai& bullet = *play.field.tamaset.front();
    const double y = angle[0] * 3.14159265 / 180.0;
    const double p = angle[1] * 3.14159265 / 180.0;
    SCOPED_TRACE(testing::Message() << "yaw " << angle[0] << " pitch " << angle[1]);
    EXPECT_NEAR(bullet.vel.x, 5000 * std::sin(y) * std::cos(p), 1e-9);
    EXPECT_NEAR(bullet.vel.y, -5000 * std::sin(p), 1e-9);
    EXPECT_NEAR(bullet.vel.z, -5000 * std::cos(y) * std::cos(p), 1e-9);
    EXPECT_EQ(bullet.pos.y, 6);
    EXPECT_EQ(bullet.prevpos.y, 6);
    EXPECT_NEAR(bullet.radius, 0.3 * std::sqrt(3.0), 1e-12);
    EXPECT_EQ(bullet.life, 1.0);
  }
  EXPECT_EQ(play.shots, fired);
  EXPECT_EQ(play.ammo, 10 - fired);
  EXPECT_EQ(effects.played, std::vector<std::string>(fired, "shot.wav"));
}

TEST_F(PlayTest, OnlyALeftPressFires) {
  start(empty_stage(10), 1);
  play.mouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0, &sys);
  play.mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 0, 0, &sys);
  play.mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 0, 0, &sys);
  EXPECT_EQ(play.shots, 0);
  EXPECT_TRUE(effects.played.empty());
}

TEST_F(PlayTest, AShotIsRefusedWithNoAmmunitionOrAfterTheCourse) {
  start(empty_stage(0), 1);
  play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
  play.ammo = 5;
  play.finished = true;
  play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
  EXPECT_EQ(effects.played, (std::vector<std::string>{"kara.wav", "kara.wav"}));
  EXPECT_EQ(play.shots, 0);
  EXPECT_EQ(play.ammo, 5);
  EXPECT_TRUE(play.field.tamaset_empty());
}

TEST_F(PlayTest, AClearedStageAnnouncesItselfAndCarriesTheBulletsOver) {
  start(empty_stage(3) + empty_stage(5) + empty_stage(1), 3);
  play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
  testing::internal::CaptureStdout();
  ticks(1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "ステージクリア\n");
  EXPECT_EQ(play.stage, 1);
  EXPECT_EQ(play.ammo, 2 + 5);
  EXPECT_EQ(play.field.clearcount, 29);  // set to 30, lowered by the same tick
  EXPECT_TRUE(play.field.tamaset_empty());
  EXPECT_FALSE(play.finished);
}

TEST_F(PlayTest, BulletsInHandStopAtTheEndsOfTheirRange) {
  const struct {
    int bullets;
    int ammo;
  } cases[] = {{2000000000, INT_MAX}, {-2000000000, INT_MIN}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bullets);
    start(empty_stage(c.bullets) + empty_stage(c.bullets) + empty_stage(c.bullets), 3);
    testing::internal::CaptureStdout();
    ticks(3);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(play.ammo, c.ammo);
    EXPECT_TRUE(play.allclear);
  }
}

TEST_F(PlayTest, ACourseWithAPersonCountClampedLowPlaysToItsEnd) {
  // The second stage's total stops at INT_MIN; its one launched person
  // falls out of the arena and the course is over.
  start(empty_stage(5) + "3 5\n" + spawner(0, 0, -50, 0, 90, 0, 100, INT_MIN, 0, 1, 0) +
            spawner(0, 0, -50, 0, 90, 0, 100, INT_MIN, 0, 1, 0) +
            spawner(0, 0, -50, 0, 90, 0, 100, 1, 0, 1, 0),
        2);
  testing::internal::CaptureStdout();
  ticks(1);
  EXPECT_EQ(play.stage, 1);
  EXPECT_EQ(play.field.remain, INT_MIN);
  int more = 0;
  while (!play.finished && more < 200) {
    ticks(1);
    ++more;
  }
  testing::internal::GetCapturedStdout();
  EXPECT_TRUE(play.finished);
  EXPECT_TRUE(play.allclear);
  EXPECT_EQ(play.field.remain, INT_MIN);
  EXPECT_EQ(play.field.lives, 4);
}

TEST_F(PlayTest, OneRandomSequenceRunsOnAcrossSpawnersStagesAndRetries) {
  // Every launch spreads its angle by the next draw, whoever launches:
  // two spawners on one tick, the next stage's spawner, and the same two
  // again after a retry. The persons drop out of the arena at once.
  start(std::string("2 5\n") + spawner(0, -4.9, -50, 0, 240, 60, 500, 1, 0, 1, 0) +
            spawner(0, -4.9, -50, 0, 250, 60, 500, 1, 0, 1, 0) + "1 5\n" +
            spawner(0, -4.9, -50, 0, 260, 60, 500, 1, 0, 1, 0),
        2);
  seed_random15(1);  // draws 41, 18467, 6334, 26500, 19169
  const auto vel_x = [](int angle, int draw) {
    return 500 * std::cos(rad(angle + draw / 32768.0 * 60));
  };
  std::vector<double> launched;
  const auto take_launches = [&] {
    for (const auto& person : play.field.hitoset) launched.push_back(person->vel.x);
  };
  testing::internal::CaptureStdout();
  ticks(1);
  take_launches();
  for (int i = 0; i < 20 && play.stage == 0; ++i) ticks(1);
  take_launches();
  for (int i = 0; i < 20 && !play.finished; ++i) ticks(1);
  ASSERT_TRUE(play.finished);
  play.keyboard('y', 0, 0, &sys);
  ticks(1);
  take_launches();
  testing::internal::GetCapturedStdout();

  const std::vector<double> expected = {vel_x(240, 41), vel_x(250, 18467), vel_x(260, 6334),
                                        vel_x(240, 26500), vel_x(250, 19169)};
  EXPECT_EQ(launched, expected);
}

struct ProgressCase {
  int level;
  int clearlevel_before;
  const char* file_after;  // null: no file written
  int clearlevel_after;
};

TEST_F(PlayTest, TheLastStageClearsTheCourseAndRaisesTheProgressOnlyUpwards) {
  const ProgressCase cases[] = {
      {0, 0, "1", 1}, {0, 2, nullptr, 2}, {1, 1, "2", 2}, {3, 3, "4", 4}, {2, 4, nullptr, 4}};
  for (const ProgressCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "level " << c.level << " progress " << c.clearlevel_before);
    std::filesystem::remove("data.dat");
    sys.clearlevel = c.clearlevel_before;
    start(empty_stage(1) + empty_stage(1), 2, c.level);
    testing::internal::CaptureStdout();
    ticks(2);
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_EQ(console.rfind("ステージクリア\n", 0), 0u);
    EXPECT_TRUE(play.finished);
    EXPECT_TRUE(play.allclear);
    EXPECT_EQ(sys.clearlevel, c.clearlevel_after);
    if (c.file_after == nullptr) {
      EXPECT_FALSE(std::filesystem::exists("data.dat"));
    } else {
      EXPECT_EQ(file_text("data.dat"), c.file_after);
    }
  }
}

TEST_F(PlayTest, ACourseOfOneStageEndsWithoutTheStageClearLine) {
  start(empty_stage(1), 1);
  testing::internal::CaptureStdout();
  ticks(1);
  const std::string console = testing::internal::GetCapturedStdout();
  EXPECT_EQ(console.find("ステージクリア"), std::string::npos);
  EXPECT_TRUE(play.allclear);
  EXPECT_TRUE(play.finished);
}

TEST_F(PlayTest, TheGameIsOverOnTheTickAfterTheLastLifeIsLost) {
  start(escaping_stage(0, 6), 1);
  ticks(5);  // five escapes, one per tick
  EXPECT_EQ(play.field.lives, 0);
  EXPECT_FALSE(play.finished);
  ticks(1);
  EXPECT_TRUE(play.finished);
  EXPECT_FALSE(play.allclear);
  EXPECT_FALSE(std::filesystem::exists("data.dat"));
  // The field stands still once the course is over.
  const std::int32_t lives = play.field.lives;
  const std::int32_t remain = play.field.remain;
  ticks(3);
  EXPECT_EQ(play.field.lives, lives);
  EXPECT_EQ(play.field.remain, remain);
}

TEST_F(PlayTest, TheLastEscapeOfTheLastStageStillClearsTheCourse) {
  start(escaping_stage(0, 5), 1);
  ticks(6);
  EXPECT_TRUE(play.finished);
  EXPECT_TRUE(play.allclear);
  EXPECT_EQ(file_text("data.dat"), "1");
}

TEST_F(PlayTest, RetryAndMenuKeysWorkOnlyOnceTheCourseIsOver) {
  start(empty_stage(2) + empty_stage(2), 2);
  ticks(1);
  ASSERT_EQ(play.stage, 1);
  for (const char key : {'y', 'Y', 'n', 'N'}) play.keyboard(static_cast<unsigned char>(key), 0, 0, &sys);
  EXPECT_EQ(play.stage, 1);
  EXPECT_EQ(sys.nowstate, &play);

  ticks(1);
  ASSERT_TRUE(play.finished);
  play.keyboard('Y', 0, 0, &sys);
  EXPECT_FALSE(play.finished);
  EXPECT_EQ(play.stage, 0);
  EXPECT_EQ(sys.nowstate, &play);

  ticks(2);
  ASSERT_TRUE(play.finished);
  play.keyboard('n', 0, 0, &sys);
  EXPECT_EQ(sys.nowstate, State::State_list[MENU]);
}

TEST_F(PlayTest, QuitKeysEndTheProcessWithStatusZero) {
  start(empty_stage(1), 1);
  for (const unsigned char key : {static_cast<unsigned char>('q'), static_cast<unsigned char>('Q'), static_cast<unsigned char>(27)}) {
    EXPECT_EXIT(play.keyboard(key, 0, 0, &sys), testing::ExitedWithCode(0), "");
  }
}

TEST_F(PlayTest, AMissingCourseFileEndsTheProcess) {
  sys.stagefile = "no-such-course.txt";
  EXPECT_EXIT(play.state_init(&sys), testing::ExitedWithCode(255), "");
}

struct ResultCase {
  int stages_cleared;  // of a course of three; 3 clears it
  int shots, hits;
  int stage, hitrate;  // in the record entered
};

TEST_F(PlayTest, AFinishedCourseEntersItsResultIntoTheRankingOnce) {
  const ResultCase cases[] = {
      {3, 3, 2, 2, 66}, {3, 4, 4, 2, 100}, {1, 3, 1, 1, 33}, {0, 0, 0, 0, 0}, {2, 2, 3, 2, 150}};
  std::size_t entered = 0;
  for (const ResultCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.stages_cleared << " stages cleared, " << c.hits << " hits of "
                                    << c.shots << " shots");
    // Empty stages clear at once; the stage after the cleared ones loses the game.
    std::string stages;
    for (int i = 0; i < 3; ++i) stages += i < c.stages_cleared ? empty_stage(5) : escaping_stage(5, 9);
    start(stages, 3);
    for (int i = 0; i < c.shots; ++i) play.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, &sys);
    play.field.hits = c.hits;
    testing::internal::CaptureStdout();
    ticks(12);
    const std::string console = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(play.finished);
    ASSERT_EQ(sys.score.records.size(), ++entered);  // once, however many ticks follow
    const auto found = std::find_if(sys.score.records.begin(), sys.score.records.end(),
                                    [&](const clData& r) { return r.point == c.stage * 100 + c.hitrate * 10; });
    ASSERT_NE(found, sys.score.records.end());
    EXPECT_EQ(found->stage, c.stage);
    EXPECT_EQ(found->hitrate, c.hitrate);
    EXPECT_NE(console.find("1位"), std::string::npos);  // the listing is printed
    play.field.buttai_del();
  }
  // The file holds what the table holds, a line a record.
  const std::string saved = file_text("ranking.dat");
  EXPECT_EQ(static_cast<std::size_t>(std::count(saved.begin(), saved.end(), '\n')), entered);
}

}  // namespace
