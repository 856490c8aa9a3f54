#include "shell/scene.h"

#include "frontend/boot_scene.h"

Scene currentScene = BootScene;
