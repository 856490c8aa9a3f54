#pragma once
#include "platform/palette.h"
#include "shell/screen_words.h"

// The key guide: F1 (or a pad's middle button) opens, over whatever screen
// is up, the list of that screen's keys and what they do, with the keys'
// caps drawn; F1, the back key or Escape closes it, and F2 goes on to the
// controls screen (shell/controls_screen.h), which F2 also opens directly
// over any screen with a page. While it is open no
// scene runs, so a match, its clocks and a modal loop all stand still, and
// every key held as it opens or closes is held back until let go: nothing
// pressed under the guide acts afterwards.
//
// The guide is the shell's; the pages are the screens' own, in their own
// layers. A screen names its page on each of its frames (the page may change
// with its state: the pause, the set-up's item page), and the main loop
// forgets it whenever the scene changes, so a screen without a page never
// shows another's.

constexpr int guideKeysPerPlayer = 8;
constexpr int guideLinesMax = 12;

// One line of a page: what the keys do, and each player's keys. The keys
// point into the game's key tables, so the caps show the keys in force;
// a null pointer ends a player's list. A page with two players gives
// each at most half as many.
struct KeyGuideLine {
    ScreenWords action;
    const int* keys[2][guideKeysPerPlayer];
};

struct KeyGuidePage {
    ScreenWords title;
    const KeyGuideLine* lines;
    int lineCount;  // at most guideLinesMax
    int players;    // 1: one column of keys; 2: player 1's and player 2's
    // For a screen that times itself by the wall clock: called with true as
    // the guide opens over it and false as it closes, to hold its clocks.
    void (*covered)(bool open);
    // For a screen that must keep talking to another machine while the
    // guide covers it: called on every pass the guide is open; true closes
    // the guide so that the screen can take over (its link is gone).
    bool (*underneath)();
};

// The screen on show names its page; null: F1 does nothing there.
void SetKeyGuidePage(const KeyGuidePage* page);
const KeyGuidePage* KeyGuidePageShown();

// Opens the guide over the frame last drawn as soon as no wipe is running
// (a mode's first-run guide): the next pass of the loop shows it.
void OpenKeyGuideSoon(const KeyGuidePage* page);

// One pass of the guide, before the scene: opens it on F1 (or when asked to
// open soon), and while it is open reads its keys and presents its frame.
// True when the guide took the pass and the scene must not run.
bool KeyGuidePass();

// Closes the guide, the screen under it back as it was (the window closed).
void CloseKeyGuide();

// True while the guide or the controls screen covers the screen.
bool KeyGuideOpen();
// True while the controls screen (F2, shell/controls_screen.h) is up: it
// runs in the guide's place, over the same screen standing still.
bool ControlsScreenOpen();
// The page the open guide shows (null when closed).
const KeyGuidePage* KeyGuidePageOpen();

// Makes the guide's small font for the caps; start-up.
void PrepareKeyGuide();
// Closed, no page, nothing asked to open.
void ResetKeyGuide();

// --- key_guide_drawing.cpp
// Draws the page over the back buffer: the screen dimmed, a rounded panel
// with the title, a line per action with its caps, and how to close it.
void DrawKeyGuide(const KeyGuidePage& page);
// The hint "F1 操作説明" (the guide key's cap and the words) with its right
// edge at right and its top at top.
void DrawKeyGuideHint(int right, int top);
// The same for any key and words ("F2 キー設定").
void DrawKeyHint(int right, int top, int vk, const char* words);
// How wide that hint is: to set another beside it.
int KeyHintWidth(int vk, const char* words);
// Inside BeginText: a key cap with the label on the face colour, its
// top-left at (x, y), 22 high and as wide as the label needs (or width);
// returns the x where the next cap goes.
int DrawKeyCap(int x, int y, const char* label, Rgb face, int width = 0);
int KeyCapWidth(const char* label);
// Every other pixel of the back buffer black, to put a panel over it.
void DimScreen();
