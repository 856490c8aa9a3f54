#pragma once

// The logo, title and menu states back to their start, and the shell's links
// to the main menu filled in.
void ResetFrontEndRecords();
