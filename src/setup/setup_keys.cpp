#include "setup/setup_keys.h"

#include "platform/keys.h"
#include "shell/menu_input.h"

bool SetupUpHeld(int p) { return p == 0 ? UpHeld() : KeyHeld(playerKeys[1].up); }
bool SetupDownHeld(int p) { return p == 0 ? DownHeld() : KeyHeld(playerKeys[1].down); }
bool SetupLeftHeld(int p) { return p == 0 ? LeftHeld() : KeyHeld(playerKeys[1].left); }
bool SetupRightHeld(int p) { return p == 0 ? RightHeld() : KeyHeld(playerKeys[1].right); }

bool AnyDecideHeld() { return KeyHeld(playerKeys[0].swap) || KeyHeld(playerKeys[1].swap); }
bool AnyBackHeld() { return KeyHeld(playerKeys[0].cancel) || KeyHeld(playerKeys[1].cancel); }
