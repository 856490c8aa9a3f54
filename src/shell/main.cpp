#include <cstdio>

#include "platform/backend.h"
#include "shell/game_loop.h"

int main() {
    const char* failure = nullptr;
    if (!backend::Start(failure)) {
        std::fprintf(stderr, "%s\n", failure != nullptr ? failure : "cannot start");
        return 1;
    }
    const int code = RunGame();
    backend::Shutdown();
    return code;
}
