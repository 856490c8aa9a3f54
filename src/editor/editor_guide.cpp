#include "editor/editor_guide.h"

#include <iterator>

#include "content/game_texts.h"
#include "editor/editor_input.h"
#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;
constexpr const EditorKeys& e = editorKeys;

constexpr KeyGuideLine editorLines[] = {
    {TextName::EditorGuideMove,
     {{&m.up, &m.down, &m.left, &m.right, &m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter}}},
    {TextName::EditorGuideRaise, {{&e.raise}}},
    {TextName::EditorGuideLower, {{&e.lower}}},
    {TextName::EditorGuideFields, {{&e.previousField, &e.nextField}}},
    {TextName::EditorGuideSave, {{&e.confirm}}},
    {TextName::EditorGuideAnswer, {{&e.confirm, &m.decide}}},
    {TextName::EditorGuideYesNo, {{&m.left, &m.right, &m.leftLetter, &m.rightLetter}}},
    {TextName::EditorGuideLeave, {{&m.escape}}},
};

}  // namespace

const KeyGuidePage editorGuide = {TextName::EditorGuideTitle, editorLines, static_cast<int>(std::size(editorLines)),
                                  1, nullptr};
