#pragma once
#include <cstdint>

#include "gallery/unlock_rules.h"

// Items just won are told in the game's own look: the words
// "アイテムを手に入れました！" over the items' icons and their names in a
// rounded blue box, for a moment after the win, while the game goes on
// around it. The screens that
// win items draw it; the caller plays "Sound\Item.wav" with it.

constexpr uint32_t itemNoticeMs = 2500;
constexpr int noticeIconsPerRow = 12;
constexpr int noticeIconPitch = 36;
constexpr int noticeNamesHeight = 24;  // the names line under the icons

constexpr int noticeNamesBytes = 256;
constexpr int noticeNamesWidth = 560;  // the widest the names line may grow

struct ItemNotice {
    int8_t on = 0;      // 1 from the win until its time is up
    uint32_t mark = 0;  // time of the win
    NewItems items;     // what was won
    char names[noticeNamesBytes] = {};  // 「りんご」「レモン」, or as many as fit and ほかN個
    int namesWidth = 0;                 // its pixels in the small font
};
extern ItemNotice itemNotice;

// The notice starts now with the items (nothing when there are none); the
// item pictures are read into the spare slot for it, and the names line is
// put together and measured once here rather than in every frame.
void StartItemNotice(const NewItems& items);
// True within itemNoticeMs of the start; when the time is up the pictures
// are let go.
bool ItemNoticeShown();
// The box standing on y = bottom, while the notice is shown.
void DrawItemNotice(int bottom);

// The names line for the items in the language the game speaks: each name
// in 「」 (in English a list parted by commas), as many as fit in
// noticeNamesWidth with the small font, the rest counted (「りんご」ほか3個,
// "Apple, Lemon and 3 more").
// Measured with the font selected in the open text context.
void ComposeNoticeNames(const NewItems& items, char* line, int bytes);

// Box of n icons under the notice's names line: its rows, width and height.
int NoticeRows(int n);
int NoticeWidth(int n);
int NoticeHeight(int n);

// No notice and no pictures held (process start).
void ResetItemNotice();
