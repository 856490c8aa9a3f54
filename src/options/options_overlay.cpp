#include "options/options_overlay.h"

#include "content/option_sheet.h"
#include "options/options_layout.h"
#include "options/options_state.h"
#include "options/options_texts.h"
#include "platform/blit.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "shell/menu_input.h"

namespace {

using namespace optionsLayout;

OptionsScreenState& s = optionsState;

// The box grows a step a frame; its words come once it is whole. True when
// the box is whole.
bool GrowOrWrite(void (*words)()) {
    if (s.optionsBoxGrowth < 10) {
        ++s.optionsBoxGrowth;
        return false;
    }
    words();
    return true;
}

void DescriptionWords() {
    DrawTextInRect(optionsDescription[s.optionsCursor], textCenter, descriptionTextLeft, descriptionTextTop,
                   descriptionTextRight, descriptionTextBottom);
}

void PromptWords() {
    DrawTextInRect(savePromptQuestion, textCenter, promptTextLeft, promptQuestionTop, promptTextRight,
                   promptQuestionBottom);
    DrawTextInRect(savePromptAnswers, textCenter, promptTextLeft, promptAnswersTop, promptTextRight,
                   promptAnswersBottom);
}

// Draws the box of the moment; true when the question's box is whole.
bool Box() {
    const int g = s.optionsBoxGrowth;
    BeginPanelText(smallFont);
    bool promptShown = false;
    if (s.leaving == 0) {
        RoundRect(descriptionCentreX - 20 * g, descriptionTop - g, descriptionCentreX + 20 * g, descriptionBottom + g,
                  10, 10);
        GrowOrWrite(DescriptionWords);
    } else if (s.dirty == 1) {
        RoundRect(promptCentreX - 18 * g, promptCentreY - 3 * g, promptCentreX + 18 * g, promptCentreY + 3 * g, 10, 10);
        promptShown = GrowOrWrite(PromptWords);
    }
    EndText();
    return promptShown;
}

}  // namespace

void DrawOptionsOverlay() {
    const bool promptShown = Box();
    const int phase = CursorPhase(s.blink);
    if (s.leaving == 0) {
        const FrameBox box = CursorBox(s.optionsCursor);
        DrawCappedCursorFrame(box.left, box.top, box.right - box.left, frameRowHeight, phase);
    } else if (promptShown) {
        const SheetRect& p = optionSheetLayout::answerPointer;
        BlitClipped(&backBuffer, AnswerPointerX(s.saveAnswer), answerPointerY, backdropSurface, keyedCopy, p.left,
                    p.top, p.right, p.bottom);
    }
}
