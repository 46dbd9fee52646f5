#pragma once
// The difficulty menu: the title, the unlocked courses and the quit choice.
#include "states/state.h"

// The four courses, in order of difficulty.
struct Course {
  const char* stagefile;
  unsigned char key;  // upper case; lower case works the same
};
inline constexpr Course courses[4] = {
    {"basic.txt", 'B'}, {"advanced.txt", 'A'}, {"sniper.txt", 'S'}, {"extreme.txt", 'E'}};

inline constexpr const char* progress_file_name = "data.dat";

class Menu_State final : public State {
 public:
  // Reads the progress file into the game system's clearlevel.
  void state_init(Gamesystem* sys) override;
  void display(Gamesystem* sys) override;
  void keyboard(unsigned char key, int x, int y, Gamesystem* sys) override;

 private:
  void start_course(int level, Gamesystem* sys);
};
