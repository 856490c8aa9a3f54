#pragma once

// The label printed on the cap of a key, for the key guide and the controls
// screen: what the layout in force prints on it ("X", "Esc", "Enter", "↑",
// "F1"; "Z" for the key at Y's place on a German keyboard). A key code the
// game never reads gets "?".
const char* KeyCapLabel(int vk);
