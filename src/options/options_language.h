#pragma once

// The options screen's language key (F3): the game speaks the other language
// at once, keeps the choice in the player's language file (a failed write
// shows the save notice), sounds the decide sound and reads again the
// pictures that carry words, so the screen, and the menu after it, are drawn
// in the new language from the next frame. Once a press, not while a wipe
// runs, nor from the save question or on the way out.
void LanguageKey();

// The hint of the key, in the screen's top corner with its right edge at
// right: "F3 English" while the game speaks Japanese, "F3 日本語" while it
// speaks English, each in its own words so that a player who cannot read
// the other finds it.
void DrawLanguageHint(int right, int top);
