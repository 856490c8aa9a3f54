#include "shell/scene.h"

Scene currentScene = nullptr;
