#include "setup/item_page_drawing.h"

#include <cstdio>

#include "content/title_sheet.h"
#include "gallery/item_names.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "setup/setup_pictures.h"
#include "setup/setup_state.h"
#include "setup/setup_texts.h"
#include "shell/menu_input.h"

namespace {

SetupScreenState& s = setupState;

int CellX(int column) { return 28 + 42 * column; }
int CellY(int row) { return 110 + 42 * row; }

void Panels() {
    BeginPanelText(smallFont);
    const int h = s.itemPanelGrowth;
    RoundRect(319 - 30 * h, 410 - 6 * h, 319 + 30 * h, 410 + 6 * h, 10, 10);
    RoundRect(165 - 16 * h, 197 - 15 * h, 170 + 16 * h, 197 + 15 * h, 10, 10);
    if (h >= 10 && s.itemScrollTop == 0) {
        DrawTextInRect(Tr(TextName::SetupItemDecide), textCenter, 40, 70, 100, 90);
        DrawTextInRect(Tr(TextName::SetupItemCancel), textCenter, 120, 70, 180, 90);
    }
    if (h >= 10) {
        // The item under the cursor is named; and since items only stand
        // beside the board, the player is told so, lest a pick seem wasted.
        if (s.itemCursor >= 0 && s.itemCursor < s.availableCount) {
            const ItemName item = ItemNameOf(s.availableItems[s.itemCursor]);
            char line[96];
            std::snprintf(line, sizeof line, Tr(TextName::SetupItemName), item.name);
            DrawTextInRect(line, textCenter, 19, 362, 619, 382);
            DrawTextInRect(item.description, textCenter, 19, 390, 619, 410);
        }
        DrawTextInRect(Tr(TextName::SetupItemsNoEffect), textCenter, 19, 436, 619, 456);
    }
    EndText();
}

// The shown part of the list: at most five rows, and never past its end.
void Grid() {
    for (int j = 0; j < gridCells && s.itemScrollTop + j < s.availableCount; ++j)
        ItemIcon(s.availableItems[s.itemScrollTop + j], CellX(j % gridColumns), CellY(j / gridColumns));
}

void Cursor(int f) {
    if (s.itemCursor == decideEntry) {
        DrawBrackets(25, 100, 60, f);
    } else if (s.itemCursor == cancelEntry) {
        DrawBrackets(105, 180, 60, f);
    } else {
        DrawCornerFrame(21 + 42 * (s.itemCursor % gridColumns), 103 + 42 * s.itemCursorRow, f);
    }
}

void ScrollArrows() {
    if (s.availableCount <= gridCells - 1) return;
    if (s.itemScrollTop + gridCells < s.availableCount) TitlePicture(titleSheetLayout::scrollDownArrow, 151, 320);
    if (s.itemScrollTop > 0) TitlePicture(titleSheetLayout::scrollUpArrow, 151, 75);
}

}  // namespace

void DrawItemPage(int f) {
    const bool grown = s.itemPanelGrowth >= 10;
    Panels();
    if (!grown) {
        ++s.itemPanelGrowth;
        return;
    }
    Grid();
    Cursor(f);
    ScrollArrows();
}
