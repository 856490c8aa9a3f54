#include "setup/remote_opponent.h"

#include "setup/setup_state.h"

RemoteOpponent remoteOpponent;

int SetupSeat() { return RemoteSetup() ? 0 : setupState.setupPlayer; }

bool KeepRemoteAlive() { return remoteOpponent.keepAlive != nullptr && remoteOpponent.keepAlive(); }
