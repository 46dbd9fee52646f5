#include "app/callbacks.h"

int main(int argc, char** argv) { return run_game(argc, argv); }
