#pragma once

#include "gallery/item_file.h"

// What each of the fifty items is called and one line about it, as the
// gallery, the versus item page and the notice of an item won show them.
// The words follow the pictures the content generator draws in
// "Back\Item.bmp": item n's name fits its picture n.

struct ItemName {
    const char* name;         // a word or two, 「」 left to the caller
    const char* description;  // one line, short enough for every box it sits in
};

// Item n is itemNames[n].
extern const ItemName itemNames[itemCount];

// Item n's entry; an empty one for a number outside the fifty, so a damaged
// value never reads past the table.
const ItemName& ItemNameOf(int item);
