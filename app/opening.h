#pragma once
// The console opening: the banner and the two-choice start prompt.
#include <istream>

enum class StartChoice { Start, Quit };

// Prints the prompt and reads words until one is "1" (start) or "2" (quit).
// The end of the input counts as quitting: no answer can come any more.
StartChoice ask_start(std::istream& in);

// Prints the banner, asks, and ends the process with status -1 on a quit;
// after a start prints the three notice lines.
void opening();

// Sets the fixed OpenGL state of the whole run.
void initgame();
