#pragma once

// Loads the match's pictures and sounds, resets every value, raises the
// opening rows, counts down and hands over to MatchScene.
void MatchSetupScene();

// One 20 ms step of a running match (at most 50 per second).
void MatchScene();

// Puzzle choice before a puzzle match (modal; presents its own frames).
void PuzzlePicker();
