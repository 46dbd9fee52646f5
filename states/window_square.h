#pragma once
// The largest square centred in the window. The scope's opening is drawn to
// fit it, and the menu and the play texts are laid out in it, so that a
// window of any shape shows them as a square window of that side would: a
// 600x600 window is its own square.

struct Window_Square {
  int left = 0;  // pixels from the window's left edge
  int top = 0;   // pixels from the window's top edge
  int side = 0;
};

Window_Square window_square(int width, int height);

// While it lives, the viewport is the square: the font places its texts
// from the viewport's top-left corner, and so lays them out in the square.
class Square_Viewport {
 public:
  explicit Square_Viewport(const Window_Square& square);
  ~Square_Viewport();
  Square_Viewport(const Square_Viewport&) = delete;
  Square_Viewport& operator=(const Square_Viewport&) = delete;

 private:
  int saved[4];
};
