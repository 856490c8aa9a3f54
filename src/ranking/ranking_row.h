#pragma once

// The ranking line of the shared table's entry at place into the canvas.
void DrawRankingRow(int place);
