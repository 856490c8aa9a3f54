#pragma once

// The editor's screen: its frame, the board being edited with the cursor,
// and the figures, hints and questions beside it.

// The board frame of a match and the editor's two boxes with their labels,
// into tileSurface (once per visit).
void PaintEditorFrame();

// The cells of the problem (rows 2..14 in the field, row 1 in the NEXT
// strip) and, on the board field, the cursor.
void DrawEditorBoard();

// The top line, the problem number and time, the selected field's arrow
// hints, the goal, sum and swap limit, and the open question.
void DrawEditorPanel();
