#pragma once

// Every record of the shell back to its process start: no scene, the loop
// not ended, mode 0, the menu latches released, the first background tile
// next, no save notice. The scene links stay: the front end fills them in once.
void ResetShellRecords();
