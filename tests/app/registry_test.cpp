#include <gtest/gtest.h>

#include "states/state.h"

namespace {

class Scene final : public State {};

class Registry : public testing::Test {
 protected:
  void SetUp() override { State::State_list.clear(); }
  void TearDown() override { State::State_list.clear(); }
  Scene first, second;
};

TEST_F(Registry, TransferReturnsTheSceneRegisteredUnderTheKey) {
  State::register_state(MENU, &first);
  State::register_state(PLAY, &second);
  EXPECT_EQ(first.state_transfer(MENU), &first);
  EXPECT_EQ(first.state_transfer(PLAY), &second);
  EXPECT_EQ(first.state_transfer(GAMEOVER), nullptr);
}

TEST_F(Registry, ATakenKeyKeepsItsFirstScene) {
  State::register_state(MENU, &first);
  State::register_state(MENU, &second);
  EXPECT_EQ(second.state_transfer(MENU), &first);
  EXPECT_EQ(State::State_list.size(), 1u);
}

}  // namespace
