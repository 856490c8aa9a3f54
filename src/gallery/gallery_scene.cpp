#include "gallery/gallery_scene.h"

#include "shell/scene.h"
#include "shell/scene_links.h"

void GalleryEnterScene() { currentScene = sceneLinks.mainMenu; }

void ResetGalleryRecords() {}
