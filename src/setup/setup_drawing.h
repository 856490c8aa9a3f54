#pragma once

// The setup screen's frame, common to both pages: the panels at their
// growth step (boxGrowth), the radar chart with the player's levels and the
// parameter table.
void DrawSetupPanels();
void DrawSetupChart();
void DrawParamTable();
// The parameter page's own parts: its description and the cursor.
void DrawParamPage(int f);
