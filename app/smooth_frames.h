#pragma once
// The smooth mode in the window: a render timer at display rate, a frame as
// soon as the aim turns, and the play frame drawn between the last two ticks.
// Off, every call here does nothing and the game draws on its ticks alone.

// Turns the mode on and arms the render timer; once the window exists.
void smooth_frames_start();

// Around every tick.
void smooth_before_tick();
void smooth_after_tick();

// Draws the frame when it is the smooth mode's to draw; false otherwise, and
// the current scene draws its own as always.
bool smooth_display();

// After every input that may turn the aim: requests a frame when it turned.
void smooth_aim_input();
