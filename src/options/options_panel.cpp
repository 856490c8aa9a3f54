#include "options/options_panel.h"

#include "content/option_sheet.h"
#include "options/options_file.h"
#include "options/options_layout.h"
#include "platform/blit.h"
#include "platform/surface.h"

namespace {

void Picture(int x, int y, const SheetRect& r) {
    BlitClipped(&backBuffer, x, y, backdropSurface, keyedCopy, r.left, r.top, r.right, r.bottom);
}

}  // namespace

void DrawOptionsPanel() {
    using namespace optionsLayout;
    namespace sheet = optionSheetLayout;
    for (int i = 0; i < sheet::settingCount; ++i) Picture(labelX, LabelY(i), sheet::Label(i));
    Picture(endButtonX, buttonY, sheet::endButton);
    Picture(recommendedButtonX, buttonY, sheet::recommendedButton);
    Picture(resetButtonX, buttonY, sheet::resetButton);
    Picture(targetX, targetY, sheet::TargetValue(options.targetSumOffset));
    Picture(soundX, soundY, sheet::SoundValue(options.soundOff));
    Picture(difficultyX, difficultyY, sheet::DifficultyValue(options.difficulty));
    Picture(sampleFrameX, backgroundY, sheet::sampleFrame);
    Picture(sampleValueX, backgroundY, sheet::BackgroundValue(options.backgroundPattern));
    Picture(sampleFrameX, panelShapeY, sheet::sampleFrame);
    Picture(sampleValueX, panelShapeY, sheet::PanelShapeValue(options.panelShape));
}
