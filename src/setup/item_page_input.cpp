#include "setup/item_page_input.h"

#include "platform/sound.h"
#include "setup/profile_rules.h"
#include "setup/setup_state.h"

namespace {

SetupScreenState& s = setupState;

bool OnButton() { return s.itemCursor < 0; }

void SwitchButton() { s.itemCursor = s.itemCursor == decideEntry ? cancelEntry : decideEntry; }

void MoveTo(int index) { s.itemCursor = static_cast<int8_t>(index); }

void BackToParamPage() {
    s.setupPage = 0;
    s.itemCursor = 0;
}

}  // namespace

bool ItemUp() {
    if (OnButton()) return false;
    if (s.itemCursor < gridColumns) {
        s.itemCursor = decideEntry;
        return true;
    }
    MoveTo(s.itemCursor - gridColumns);
    if (s.itemCursorRow == 0) {
        s.itemScrollTop = static_cast<int8_t>(s.itemScrollTop - gridColumns);
    } else {
        --s.itemCursorRow;
    }
    return true;
}

bool ItemDown() {
    if (OnButton()) {
        s.itemCursor = 0;
        s.itemScrollTop = 0;
        s.itemCursorRow = 0;
        return true;
    }
    if (s.itemCursor + gridColumns >= s.availableCount) return false;
    MoveTo(s.itemCursor + gridColumns);
    if (s.itemCursorRow == gridRows - 1) {
        s.itemScrollTop = static_cast<int8_t>(s.itemScrollTop + gridColumns);
    } else {
        ++s.itemCursorRow;
    }
    return true;
}

bool ItemLeft() {
    const int8_t before = s.itemCursor;
    if (OnButton()) {
        SwitchButton();
    } else if (s.availableCount == 0) {
        s.itemCursor = decideEntry;
    } else if (s.itemCursor % gridColumns == 0) {
        // To the row's seventh column, or its last item when it is shorter.
        const int rowEnd = s.itemCursor + gridColumns - 1;
        MoveTo(rowEnd < s.availableCount ? rowEnd : s.availableCount - 1);
    } else {
        MoveTo(s.itemCursor - 1);
    }
    return s.itemCursor != before;
}

bool ItemRight() {
    const int8_t before = s.itemCursor;
    if (OnButton()) {
        SwitchButton();
    } else if (s.availableCount == 0) {
        s.itemCursor = decideEntry;
    } else if (s.itemCursor % gridColumns == gridColumns - 1 || s.itemCursor + 1 >= s.availableCount) {
        // From the row's seventh column or the last item: round to its first.
        MoveTo(s.itemCursor - s.itemCursor % gridColumns);
    } else {
        MoveTo(s.itemCursor + 1);
    }
    return s.itemCursor != before;
}

void ItemDecide() {
    RestartSound(seBuffer2, false);
    if (s.itemCursor == decideEntry) {
        BackToParamPage();
    } else if (s.itemCursor == cancelEntry) {
        if (!DropLastItem(s.setupPlayer)) BackToParamPage();
    } else {
        PickItem(s.setupPlayer, s.availableItems[s.itemCursor]);
    }
}

void ItemBack() {
    RestartSound(seBuffer2, false);
    if (!DropLastItem(s.setupPlayer)) BackToParamPage();
}
