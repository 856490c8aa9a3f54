#include "shell/scene_links.h"

SceneLinks sceneLinks;
