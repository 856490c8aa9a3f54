#include <cstdio>

#include "frontend/boot_scene.h"
#include "frontend/main_menu.h"
#include "platform/backend.h"
#include "shell/game_loop.h"

int main() {
    const char* failure = nullptr;
    if (!backend::Start(failure)) {
        std::fprintf(stderr, "%s\n", failure != nullptr ? failure : "cannot start");
        return 1;
    }
    LinkFrontEnd();
    const int code = RunGame(BootScene);
    backend::Shutdown();
    return code;
}
