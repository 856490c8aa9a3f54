#pragma once

// What an arrow key does to the value of a field of the problem being
// edited (all but the board, whose cursor editor_input moves). Each returns
// true when the key sound plays: on a change, and where a key is heard
// without one (Right at 10:00).

bool ProblemKey(int direction);
bool TimeKey(int direction);
bool GoalKey(int direction);
bool SumKey(int direction);
bool LimitKey(int direction);
