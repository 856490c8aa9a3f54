#pragma once
#include <cstdint>

// A save that failed is told on screen, in the game's own look: the words
// "記録を保存できませんでした" in a rounded blue box, for two seconds from the
// failure, while the game goes on. The screens that save draw it.

constexpr uint32_t saveNoticeMs = 2000;

// Box of the notice: 300 x 34, centred across the screen.
constexpr int saveNoticeLeft = 169;
constexpr int saveNoticeRight = 469;
constexpr int saveNoticeHeight = 34;

extern int8_t saveNoticeOn;      // 1 from a failed save until its time is up
extern uint32_t saveNoticeMark;  // time of that failure

// The save just failed: the notice starts now.
void NoteFailedSave();
// True within saveNoticeMs of the last failed save.
bool SaveNoticeShown();
// The box with its top at y, while the notice is shown; nothing otherwise.
void DrawSaveNotice(int top);
