#include "gallery/gallery_guide.h"

#include <iterator>

#include "content/game_texts.h"
#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;

constexpr KeyGuideLine galleryLines[] = {
    {TextName::GalleryGuideChoose,
     {{&m.up, &m.down, &m.left, &m.right, &m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter}}},
    {TextName::GalleryGuideToMenu, {{&m.decide, &m.enter, &m.back, &m.escape}}},
};

}  // namespace

const KeyGuidePage galleryGuide = {TextName::GalleryGuideTitle, galleryLines,
                                   static_cast<int>(std::size(galleryLines)), 1, nullptr};
