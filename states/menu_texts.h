#pragma once
// The menu's texts in Shift-JIS, converted once: what the menu draws, in
// drawing order, and the font is checked against.
#include <string>
#include <vector>

struct MenuText {
  std::string sjis;
  int min_clearlevel;  // shown once this many courses are cleared
};

const std::vector<MenuText>& menu_texts();
