#include "gallery/item_notice.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "content/game_texts.h"
#include "content/item_sheet.h"
#include "gallery/item_names.h"
#include "platform/bitmap_loader.h"
#include "platform/blit.h"
#include "platform/clock.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "shell/menu_input.h"

ItemNotice itemNotice;

void StartItemNotice(const NewItems& items) {
    if (items.count <= 0) return;
    itemNotice.items = items;
    itemNotice.on = 1;
    itemNotice.mark = TimeGetTime();
    BeginPanelText(smallFont);
    ComposeNoticeNames(items, itemNotice.names, noticeNamesBytes);
    itemNotice.namesWidth = TextWidth(itemNotice.names);
    EndText();
    CreateSheet(spareSurface, itemSheetLayout::width, itemSheetLayout::height);
    LoadBitmapToSurface(spareSurface, "Back\\Item.bmp");
}

bool ItemNoticeShown() {
    if (itemNotice.on == 1 && TimeGetTime() - itemNotice.mark >= itemNoticeMs) {
        itemNotice.on = 0;
        EmptySlot(spareSurface);
    }
    return itemNotice.on == 1;
}

void ComposeNoticeNames(const NewItems& items, char* line, int bytes) {
    line[0] = '\0';
    const int n = std::clamp<int>(items.count, 0, itemCount);
    char candidate[noticeNamesBytes];
    for (int k = 0; k < n; ++k) {
        const TextName joined = k == 0 ? TextName::ItemNoticeFirstName : TextName::ItemNoticeNextName;
        std::snprintf(candidate, sizeof candidate, Tr(joined), line, ItemNameOf(items.items[k]).name);
        // The count of the rest must still fit after the last name kept.
        char rest[32] = "";
        if (k + 1 < n) std::snprintf(rest, sizeof rest, Tr(TextName::ItemNoticeOthers), n - k - 1);
        char whole[noticeNamesBytes + 32];
        std::snprintf(whole, sizeof whole, "%s%s", candidate, rest);
        if (k > 0 && TextWidth(whole) > noticeNamesWidth) {
            std::snprintf(rest, sizeof rest, Tr(TextName::ItemNoticeOthers), n - k);
            std::snprintf(candidate, sizeof candidate, "%s%s", line, rest);
            std::snprintf(line, bytes, "%s", candidate);
            return;
        }
        std::snprintf(line, bytes, "%s", candidate);
    }
}

int NoticeRows(int n) { return (std::max(n, 1) + noticeIconsPerRow - 1) / noticeIconsPerRow; }

int NoticeWidth(int n) {
    return std::max({300, noticeIconPitch * std::min(n, noticeIconsPerRow) + 28, itemNotice.namesWidth + 28});
}

int NoticeHeight(int n) { return 34 + noticeIconPitch * NoticeRows(n) + noticeNamesHeight; }

void DrawItemNotice(int bottom) {
    if (!ItemNoticeShown()) return;
    const int n = itemNotice.items.count;
    const int left = 319 - NoticeWidth(n) / 2;
    const int right = left + NoticeWidth(n);
    const int top = bottom - NoticeHeight(n);
    BeginPanelText(smallFont);
    RoundRect(left, top, right, bottom, 10, 10);
    const TextName title = n > 1 ? TextName::ItemNoticeMany : TextName::ItemNoticeOne;
    DrawTextInRect(Tr(title), textCenter, left, top + 7, right, top + 27);
    const int namesTop = bottom - noticeNamesHeight - 3;
    DrawTextInRect(itemNotice.names, textCenter, left, namesTop, right, namesTop + 24);
    EndText();
    for (int k = 0; k < n; ++k) {
        const int row = k / noticeIconsPerRow;
        const int inRow = std::min(noticeIconsPerRow, n - row * noticeIconsPerRow);
        const int x = 319 - (noticeIconPitch * inRow - 4) / 2 + noticeIconPitch * (k % noticeIconsPerRow);
        const SheetRect icon = itemSheetLayout::Icon(itemNotice.items.items[k]);
        BlitClipped(&backBuffer, x, top + 32 + noticeIconPitch * row, spareSurface, keyedCopy, icon.left, icon.top,
                    icon.right, icon.bottom);
    }
}

void ResetItemNotice() {
    itemNotice = ItemNotice{};
    EmptySlot(spareSurface);
}
