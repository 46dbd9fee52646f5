#pragma once
// The window callbacks: thin forwarders to the game system.

void display();
void resize(int w, int h);
void keyboard(unsigned char key, int x, int y);
// Keys without a character: F11 toggles full screen, in every scene.
void special(int key, int x, int y);
void mouse(int button, int state, int x, int y);
void mousemove(int _x, int _y);
void timer(int value);

// The whole program: window, callbacks, start-up and the main loop.
int run_game(int argc, char** argv);
