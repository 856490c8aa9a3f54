// app: the executable, the top of the stack. It answers the command line,
// finds the game's content and the player's folder, starts the SDL backend,
// links the front end into the shell's scene links and runs the main loop
// from the boot scene. It stands on frontend and, through it, every layer
// below.

#include "app/game_start.h"

int main(int argc, char** argv) { return RunSumLine(argc, argv); }
