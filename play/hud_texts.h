#pragma once
// The texts of the play frame in Shift-JIS, each converted once, on first
// use. The scene draws from these, and the font is checked against them.
#include <cstdint>
#include <string>
#include <vector>

struct HudTexts {
  std::string stage;
  std::string stage_clear;
  std::string lives;
  std::string ammo;
  std::string combo;
  std::string clear;
  std::string all_clear;
  std::string next_course;
  std::string hit_rate;
  std::string retry;
};

const HudTexts& hud_texts();

// The banner for a combo that has just earned lives, or null.
const std::string* combo_banner(int combo);

// The results' rank title for the 0-based stage the course ended on.
const std::string& shown_title(std::int32_t stage);

// Every text above, the formats as they stand before numbers fill them in.
std::vector<std::string> every_hud_text();
