#include "frontend/front_end_reset.h"

#include "frontend/logo_scene.h"
#include "frontend/main_menu.h"
#include "frontend/title_scene.h"

void ResetFrontEndRecords() {
    logoState = LogoState{};
    titleState = TitleState{};
    mainMenuState = MainMenuState{};
    LinkFrontEnd();
}
