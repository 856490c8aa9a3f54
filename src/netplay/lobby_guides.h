#pragma once
#include "shell/key_guide.h"

// The key guide's pages of the hosting and joining screens.
extern const KeyGuidePage hostGuide;
extern const KeyGuidePage joinGuide;

// The network's part of a pass of the hosting and of the joining screen (the
// search, the connection, the handshake), which must go on while the guide
// covers the screen: a joiner would give up on a host not answering, and
// the handshake has its own time limit. True when the screen was left.
bool HostingLinkPass();
bool JoiningLinkPass();
