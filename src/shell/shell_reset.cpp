#include "shell/shell_reset.h"

#include "shell/farewell.h"
#include "shell/first_run_guides.h"
#include "shell/game_mode.h"
#include "shell/key_guide.h"
#include "shell/line_notice.h"
#include "shell/menu_assets.h"
#include "shell/menu_input.h"
#include "shell/save_notice.h"
#include "shell/scene.h"
#include "shell/scene_links.h"

void ResetShellRecords() {
    quitPosted = false;
    currentScene = nullptr;
    gameMode = endlessMode;
    confirmHeld = 0;
    cancelHeld = 0;
    escapeHeld = 0;
    boxGrowth = 0;
    tileToggle = 0;
    saveNoticeOn = 0;
    saveNoticeMark = 0;
    ResetKeyGuide();
    FollowBoundKeys();
    ForgetSeenGuides();
    ClearLineNotice();
    // The layers above link themselves again as a start does.
    sceneLinks = SceneLinks{};
}
