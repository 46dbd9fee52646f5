#pragma once
// The pointer's position on the screen, read through an X connection of our
// own (kept apart from the test sources: Xlib's macros clash with GoogleTest).

// False when no display can be opened.
bool pointer_on_screen(int& x, int& y);

// Whether an X display can be opened at all (GLUT ends the process when it
// finds none, so ask first where a run without one must go on). Asked once
// per process.
bool display_available();

// What a window test says when it skips for want of a display.
inline constexpr const char* kNoDisplayReason =
    "no X display to open a window on: DISPLAY is not set or cannot be opened (run under Xvfb)";
