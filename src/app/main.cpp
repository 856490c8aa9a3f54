// app: the executable, the top of the stack. It starts the SDL backend, links
// the front end into the shell's scene links and runs the main loop from the
// boot scene. It stands on frontend and, through it, every layer below.

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
