#include "options/options_texts.h"

const ScreenWords optionsDescription[8] = {
    TextName::OptionsAboutTarget,     TextName::OptionsAboutSound, TextName::OptionsAboutDifficulty,
    TextName::OptionsAboutBackground, TextName::OptionsAboutPanelShape, TextName::OptionsAboutEnd,
    TextName::OptionsAboutRecommended, TextName::OptionsAboutReset,
};

const ScreenWords savePromptQuestion = TextName::OptionsSavePrompt;
const ScreenWords savePromptAnswers = TextName::OptionsSaveAnswers;
