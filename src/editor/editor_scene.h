#pragma once

// editor: the puzzle editor, where the player builds the 100 problems
// of the puzzle mode and saves them to "Data\PZL.dat". It stands on match
// (whose board drawing it shares) and every layer below.

// As the main menu hands over: the menu music and the sheets the editor
// replaces go.
void PrepareEditorEntry();

// Loads the match sheet and the backdrop, paints the editor's frame, reads
// the problems and hands over to EditorScene.
void EditorEnterScene();

// One 20 ms step of the editor (at most 50 per second).
void EditorScene();
