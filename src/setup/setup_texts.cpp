#include "setup/setup_texts.h"

#include "setup/player_params.h"
#include "setup/setup_state.h"

TextName RowLabel(int k) { return TextAfter(TextName::SetupRowExGain, k); }

namespace {

// Parameter k's line about what it does, then its scale, are a pair of rows.
const char* About(int k) { return Tr(TextAfter(TextName::SetupAboutExGain, 2 * k)); }
const char* Scale(int k) { return Tr(TextAfter(TextName::SetupScaleExGain, 2 * k)); }

}  // namespace

void EntryDescription(int p, int cursor, const char*& first, const char*& second) {
    first = nullptr;
    second = nullptr;
    if (cursor == cancelEntry) {
        first = Tr(TextName::SetupAboutCancel);
    } else if (cursor == decideEntry) {
        first = Tr(TextName::SetupAboutDecide);
    } else if (cursor == paramEx || cursor == paramLock) {
        if (itemUseOff[p] != 0) {
            first = Tr(TextName::SetupAboutNotUsed);
        } else {
            first = About(cursor);
            second = Scale(cursor);
        }
    } else if (cursor > paramEx && cursor < paramLock) {
        first = About(cursor);
        second = Scale(cursor);
    } else if (cursor == itemUseRow) {
        first = Tr(TextName::SetupAboutItemUse);
    }
}
