#pragma once

#include "gallery/item_file.h"

// What each of the fifty items is called and one line about it, as the
// gallery, the versus item page and the notice of an item won show them,
// in the language the game speaks. The words follow the pictures the
// content generator draws in "Back\Item.bmp": item n's name fits its
// picture n.

struct ItemName {
    const char* name;         // a word or two, 「」 left to the caller
    const char* description;  // one line, short enough for every box it sits in
};

// Item n's entry, asked for each time it is shown so that it follows the
// language; an empty one for a number outside the fifty, so a damaged value
// never reads past the table.
ItemName ItemNameOf(int item);
