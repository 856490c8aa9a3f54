#pragma once

// Hooks only the tests use. The counters are defined beside the records they
// count, in the platform; the game itself never asks.

// A letter key's code: its upper-case ASCII code ('X' is 0x58).
constexpr int VkLetter(char c) { return c; }

// Sheets alive, for tests that check revisits do not pile up surfaces.
int LiveSheetCount();

// Sounds kept in the decoded-sound cache (including remembered failures).
int CachedSoundCount();
