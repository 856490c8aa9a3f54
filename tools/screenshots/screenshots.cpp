// Saves frames of the real scenes, driven through the test harness, as PNGs
// to look at: the front end, an endless match and the practice pause.
//
//   sumline_shots [folder] [frontend|match|practice|all]
//
// The folder defaults to /tmp; the set to all.
#include <cstdio>
#include <string>

#include "frontend/frontend_steps.h"
#include "match/match_scene.h"
#include "match/match_state.h"
#include "shell/farewell.h"
#include "shell/game_mode.h"

namespace {

using namespace frontendSteps;

std::string out = "/tmp";
int saved = 0;

void Save(const char* name) {
    const std::string path = out + "/" + name;
    if (harness::SaveFramePng(path)) {
        std::printf("%s\n", path.c_str());
        ++saved;
    } else {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
    }
}

bool FrontEnd() {
    harness::Boot();
    harness::RunFrames(40);
    Save("logo_falling.png");
    harness::RunUntil([] { return logoState.spinCount == 6; });
    Save("logo_rest.png");
    harness::RunUntil([] { return At(TitleScene) && wipeState == 0; });
    harness::RunFrames(3);
    Save("title.png");
    if (!TitleToMenu()) return false;
    harness::RunFrames(12);
    Save("menu.png");
    harness::Tap(vkUp);
    harness::RunFrames(3);
    Save("menu_back.png");
    BeginFarewell();
    harness::RunFrames(2);
    Save("farewell.png");
    return true;
}

bool EndlessMatch() {
    if (!BootToMenu()) return false;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(MatchScene); }, 2000000)) return false;
    harness::RunMs(2000);
    Save("match_start.png");
    harness::Tap('S');
    harness::RunMs(100);
    harness::Tap('Y');
    harness::RunMs(300);
    Save("match_line.png");
    harness::RunMs(60000);
    Save("match_minute.png");
    harness::RunUntil([] { return matchState != 0; }, 2000000);
    harness::RunMs(300);
    Save("match_over.png");
    harness::RunUntil([] { return matchState == 2; }, 2000000);
    harness::RunMs(3000);
    Save("match_entry.png");
    return true;
}

// Practice: the pause menu asks whether to go back to the menu.
bool Practice() {
    if (!BootToMenu()) return false;
    gameMode = practiceMode;
    harness::Tap('X');
    if (!harness::RunUntil([] { return At(MatchScene); }, 2000000)) return false;
    harness::RunMs(1000);
    harness::Tap('A', 3);
    harness::RunMs(600);
    Save("practice.png");
    harness::Tap('C', 3);
    harness::RunMs(600);
    Save("practice_pause.png");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) out = argv[1];
    const std::string set = argc > 2 ? argv[2] : "all";
    struct Shots {
        const char* name;
        bool (*take)();
    };
    const Shots shots[] = {{"frontend", FrontEnd}, {"match", EndlessMatch}, {"practice", Practice}};
    bool known = false;
    bool ok = true;
    for (const Shots& s : shots) {
        if (set != "all" && set != s.name) continue;
        known = true;
        if (!s.take()) {
            std::fprintf(stderr, "%s: a scene did not arrive where expected\n", s.name);
            ok = false;
        }
    }
    if (!known) {
        std::fprintf(stderr, "usage: sumline_shots [folder] [frontend|match|practice|all]\n");
        return 2;
    }
    return ok && saved > 0 ? 0 : 1;
}
