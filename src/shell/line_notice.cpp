#include "shell/line_notice.h"

#include <cstdio>

#include "platform/clock.h"
#include "platform/text.h"
#include "shell/menu_input.h"

namespace {

char noticeLines[2][160] = {};
int8_t noticeOn = 0;
uint32_t noticeMark = 0;
uint32_t noticeMs = lineNoticeMs;

void Keep(char (&line)[160], const char* words) {
    std::snprintf(line, sizeof line, "%s", words != nullptr ? words : "");
}

}  // namespace

void ShowLineNotice(const char* first, const char* second, uint32_t ms) {
    Keep(noticeLines[0], first);
    Keep(noticeLines[1], second);
    noticeOn = 1;
    noticeMark = TimeGetTime();
    noticeMs = ms;
}

bool LineNoticeShown() {
    if (noticeOn == 1 && TimeGetTime() - noticeMark >= noticeMs) noticeOn = 0;
    return noticeOn == 1;
}

const char* LineNoticeText(int line) { return LineNoticeShown() ? noticeLines[line == 1 ? 1 : 0] : ""; }

void DrawLineNotice(int top) {
    if (!LineNoticeShown()) return;
    const int lines = noticeLines[1][0] != '\0' ? 2 : 1;
    BeginPanelText(smallFont);
    RoundRect(lineNoticeLeft, top, lineNoticeRight, top + 10 + lines * lineNoticeLineHeight, 10, 10);
    for (int n = 0; n < lines; ++n) {
        const int y = top + 7 + n * lineNoticeLineHeight;
        DrawTextInRect(noticeLines[n], textCenter, lineNoticeLeft, y, lineNoticeRight, y + 20);
    }
    EndText();
}

void ClearLineNotice() { noticeOn = 0; }
