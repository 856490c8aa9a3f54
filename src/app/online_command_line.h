#pragma once
#include <cstdint>

// The first scenes of sumline --host and --join: what the boot would load
// for the menus (their sheets, sounds and music, the options), then straight
// to the hosting screen or to the joining screen connecting at once. Their
// way back leads to the question before the versus set-up and on to the
// main menu, as if the player had come that way.
void PrepareOnlineStart(uint16_t port, const char* joinHost);
void OnlineStartScene();
