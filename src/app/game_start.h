#pragma once

// The whole program behind main: the command line answered, the game's
// content and the player's folder found and named to the file layer, then
// the window opened and the game run. Returns the exit code: 0 after the
// farewell, 1 when something the game needs is missing (said in one line on
// standard error), 2 for a command line it does not understand. With
// --verify-replay no window opens: 0 every checkpoint matched, 1 one
// differed, 2 the file cannot be read; --replay with a file that cannot be
// read says why and returns 2 before a window opens.
int RunSumLine(int argc, const char* const* argv);
