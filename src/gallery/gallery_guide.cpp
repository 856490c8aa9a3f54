#include "gallery/gallery_guide.h"

#include <iterator>

#include "shell/menu_input.h"

namespace {

constexpr const MenuKeys& m = menuKeys;

constexpr KeyGuideLine galleryLines[] = {
    {"アイテムをえらぶ",
     {{&m.up, &m.down, &m.left, &m.right, &m.upLetter, &m.downLetter, &m.leftLetter, &m.rightLetter}}},
    {"メニューにもどる", {{&m.decide, &m.enter, &m.back, &m.escape}}},
};

}  // namespace

const KeyGuidePage galleryGuide = {"操作説明：アイテム", galleryLines, static_cast<int>(std::size(galleryLines)), 1,
                                   nullptr};
