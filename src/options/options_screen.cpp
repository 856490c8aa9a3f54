#include "options/options_screen.h"

#include "shell/scene.h"
#include "shell/scene_links.h"

void OptionsEnterScene() { currentScene = sceneLinks.mainMenu; }

void ResetOptionsScreen() {}
