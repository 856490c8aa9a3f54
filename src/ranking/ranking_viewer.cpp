#include "ranking/ranking_viewer.h"

#include "shell/scene.h"
#include "shell/scene_links.h"

void RankingViewerEnter() { currentScene = sceneLinks.mainMenu; }

void ResetRankingViewer() {}
