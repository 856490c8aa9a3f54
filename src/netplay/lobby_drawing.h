#pragma once

// The back key or Escape went down this frame (held keys latched).
bool LobbyBackPressed();

// What the hosting and joining screens draw alike: the moving tiles, the
// title in its box at the top, and the key guide's hint at the bottom.
void DrawLobbyFrame(const char* title);
// A rounded box with one line of text centred in it.
void DrawLobbyLine(const char* text, int top);
