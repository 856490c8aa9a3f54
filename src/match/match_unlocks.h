#pragma once

// The items a match wins (gallery/unlock_rules.h), told where they do not
// interrupt play: after an endless, versus or puzzle match on the result
// screen, above the question whether to play again (or on the closing
// screen of a solved puzzle); after practice on the closed screen on the way
// back to the menu. The item file is written there too, never during play.

// Where the notice's box stands: on y = itemNoticeBottom, above the
// question's box.
constexpr int itemNoticeBottom = 180;

// The result screen's question is up: the match's achievements, once per
// match, win their items and start the notice.
void WinMatchItems();

// The screen has closed on leaving a practice session: its achievements win
// their items; true while the notice of items won (or of a failed save)
// holds the closed screen, drawn black around it.
bool PracticeItemsHold();
