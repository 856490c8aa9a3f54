#pragma once

// Both profiles side by side; each player accepts or redoes his own. Both
// accepting starts the match; a redo sends that player back to the setup.
void SetupConfirmScene();
