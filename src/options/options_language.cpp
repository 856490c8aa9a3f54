#include "options/options_language.h"

#include "content/game_texts.h"
#include "options/options_state.h"
#include "platform/bitmap_loader.h"
#include "platform/keys.h"
#include "platform/language.h"
#include "platform/sound.h"
#include "platform/wipe.h"
#include "shell/key_guide.h"
#include "shell/language_file.h"
#include "shell/menu_input.h"
#include "shell/save_notice.h"

namespace {

void SwitchLanguage() {
    const Language next = CurrentLanguage() == Language::english ? Language::japanese : Language::english;
    SetLanguage(next);
    // The choice has a file of its own, so OD.dat stays its five bytes. The
    // game speaks the new language for this run even when it cannot be kept.
    if (!WriteLanguageFile(next)) NoteFailedSave();
    // The options sheet here and the title sheet under the menu: the front
    // end draws its words from the table each frame, so nothing else waits.
    ReloadPicturesInLanguage();
    RestartSound(seBuffer2, false);
}

}  // namespace

void LanguageKey() {
    OptionsScreenState& s = optionsState;
    const bool held = KeyHeld(menuKeys.language);
    if (held && s.languageHeld == 0 && wipeState == 0 && s.leaving == 0) SwitchLanguage();
    s.languageHeld = held ? 1 : 0;
}

void DrawLanguageHint(int right, int top) { DrawKeyHint(right, top, menuKeys.language, Tr(TextName::OptionsLanguageHint)); }
