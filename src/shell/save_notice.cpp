#include "shell/save_notice.h"

#include "content/game_texts.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "shell/menu_input.h"

int8_t saveNoticeOn = 0;
uint32_t saveNoticeMark = 0;

void NoteFailedSave() {
    saveNoticeOn = 1;
    saveNoticeMark = TimeGetTime();
}

bool SaveNoticeShown() {
    if (saveNoticeOn == 1 && TimeGetTime() - saveNoticeMark >= saveNoticeMs) saveNoticeOn = 0;
    return saveNoticeOn == 1;
}

void DrawSaveNotice(int top) {
    if (!SaveNoticeShown()) return;
    BeginPanelText(smallFont);
    RoundRect(saveNoticeLeft, top, saveNoticeRight, top + saveNoticeHeight, 10, 10);
    DrawTextInRect(Tr(TextName::SaveNoticeFailed), textCenter, saveNoticeLeft, top + 7, saveNoticeRight, top + 27);
    EndText();
}
