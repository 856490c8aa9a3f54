#pragma once
#include <cstdint>

#include "gallery/unlock_rules.h"

// Items just won are told in the game's own look: the words
// "アイテムを手に入れました！" over the items' icons in a rounded blue box, for
// a moment after the win, while the game goes on around it. The screens that
// win items draw it; the caller plays "Sound\Item.wav" with it.

constexpr uint32_t itemNoticeMs = 2500;
constexpr int noticeIconsPerRow = 12;
constexpr int noticeIconPitch = 36;

struct ItemNotice {
    int8_t on = 0;      // 1 from the win until its time is up
    uint32_t mark = 0;  // time of the win
    NewItems items;     // what was won
};
extern ItemNotice itemNotice;

// The notice starts now with the items (nothing when there are none); the
// item pictures are read into the spare slot for it.
void StartItemNotice(const NewItems& items);
// True within itemNoticeMs of the start; when the time is up the pictures
// are let go.
bool ItemNoticeShown();
// The box standing on y = bottom, while the notice is shown.
void DrawItemNotice(int bottom);

// Box of n icons: its rows, width and height.
int NoticeRows(int n);
int NoticeWidth(int n);
int NoticeHeight(int n);

// No notice and no pictures held (process start).
void ResetItemNotice();
