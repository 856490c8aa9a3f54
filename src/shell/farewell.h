#pragma once

// Set by ShutdownScene; the main loop ends before calling a scene again.
extern bool quitPosted;

// The window was closed: play the farewell jingle and show the farewell screen.
void WindowClosed();

// Marks the farewell's start, swaps the music for "Sound\GameEnd.wav" and
// plays it once. Used by the window close and the title's end choice.
void BeginFarewell();

// Three seconds of "おしまい" (in English "BYE!") from the mark, then ShutdownScene.
void ExitScene();

// Releases every sheet and sound slot and ends the loop.
void ShutdownScene();
