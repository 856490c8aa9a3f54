#include "options/options_guide.h"

#include <iterator>

#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;

constexpr KeyGuideLine optionsLines[] = {
    {TextName::OptionsGuideChoose, {{&m.up, &m.down, &m.upLetter, &m.downLetter}}},
    {TextName::OptionsGuideChange, {{&m.left, &m.right, &m.leftLetter, &m.rightLetter}}},
    {TextName::KeyGuideConfirm, {{&m.decide, &m.enter}}},
    {TextName::OptionsGuideBack, {{&m.back, &m.escape}}},
    {TextName::ControlsTitle, {{&m.controls}}},
    {TextName::OptionsGuideLanguage, {{&m.language}}},
};

}  // namespace

const KeyGuidePage optionsGuide = {TextName::OptionsGuideTitle, optionsLines, static_cast<int>(std::size(optionsLines)), 1,
                                   nullptr};
