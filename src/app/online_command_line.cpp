#include "app/online_command_line.h"

#include <cstdio>

#include "frontend/boot_scene.h"
#include "frontend/main_menu.h"
#include "netplay/net_lobby.h"
#include "setup/player_params.h"
#include "shell/game_mode.h"
#include "shell/scene.h"

namespace {

char joinHostKept[256] = {};
uint16_t portKept = defaultGamePort;

}  // namespace

void PrepareOnlineStart(uint16_t port, const char* joinHost) {
    portKept = port;
    std::snprintf(joinHostKept, sizeof joinHostKept, "%s", joinHost != nullptr ? joinHost : "");
}

void OnlineStartScene() {
    // The boot's sheets and the options, then the menus' pictures and music.
    BootScene();
    ReturnToMainMenu();
    gameMode = versusMode;
    ResetSetupRecords();
    if (joinHostKept[0] == '\0') {
        netLobby.hostPort = portKept;
        currentScene = HostEnterScene;
    } else {
        JoinAtOnce(joinHostKept, portKept);
    }
}
