#pragma once

// Keys are the keyboard's places, not its letters: the game's key code of a
// key is fixed by where it sits (its scancode, the USB usage number SDL
// reports), and named by the label the current layout prints on it. A
// player on a German keyboard keeps the Y/H/B/G diamond where it is, and the
// screens call its top key "Z".

constexpr int vkNone = 0;  // no key: never held, drawn as no cap

// The game's key code of the key at a place (scancode), or -1 for a place
// the game never reads.
int KeyOfPlace(int scancode);
// The place of a key code (the main one, for the Enter that two places
// share), or -1.
int PlaceOfKey(int vk);

// The label of a key on the layout in force: "X", "Enter", "←", "Ö";
// "?" for a key code no place gives.
const char* KeyLabel(int vk);
// Written by the backends when the layout is known or changes: the key's
// label (a short UTF-8 text, cut to fit); "" gives back the US label.
void SetKeyLabel(int vk, const char* label);
// Every label back to the US layout's.
void ResetKeyLabels();
