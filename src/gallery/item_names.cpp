#include "gallery/item_names.h"

#include "content/game_texts.h"

// The names and lines are runs of the table in item order.
ItemName ItemNameOf(int item) {
    if (item < 0 || item >= itemCount) return {"", ""};
    return {Tr(TextAfter(TextName::ItemNameApple, item)), Tr(TextAfter(TextName::ItemLineApple, item))};
}
