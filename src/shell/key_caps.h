#pragma once

// The label printed on the cap of a key, for the key guide: "X", "Esc",
// "Enter", "↑", "F1". A key code the game never reads gets "?".
const char* KeyCapLabel(int vk);
