#include "setup/setup_keys.h"

#include "platform/keys.h"
#include "shell/menu_input.h"

bool SetupUpHeld(int p) { return p == 0 ? UpHeld() : KeyHeld(vkUp); }
bool SetupDownHeld(int p) { return p == 0 ? DownHeld() : KeyHeld(vkDown); }
bool SetupLeftHeld(int p) { return p == 0 ? LeftHeld() : KeyHeld(vkLeft); }
bool SetupRightHeld(int p) { return p == 0 ? RightHeld() : KeyHeld(vkRight); }

bool AnyDecideHeld() { return KeyHeld(setupKeys[0].decide) || KeyHeld(setupKeys[1].decide); }
bool AnyBackHeld() { return KeyHeld(setupKeys[0].back) || KeyHeld(setupKeys[1].back); }
