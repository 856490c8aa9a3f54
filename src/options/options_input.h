#pragma once

// The options screen's keys for one frame: the cursor, the settings, the
// buttons, the save question, the way out and the language key. Nothing acts
// while a wipe runs.
void OptionsKeys();

// Ends the visit once the player has left (the end button with nothing
// changed, an answer to the save question, or Cancel): saves on a yes, else
// puts the record back as it was found; starts the closing wipe and readies
// the screen for the next visit. True when it did.
bool LeaveOptionsIfDone();
