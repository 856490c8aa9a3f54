#pragma once

#include "content/game_texts.h"

// The setup screens' words are in the table (content/texts_setup.inc); this
// says which of them the parameter page's rows and entries show.

// Label of row k of the parameter page: the five parameters, then item use.
TextName RowLabel(int k);

// The two lines describing the parameter-page entry under the cursor for
// player p, in the language the game speaks (a line may be null).
void EntryDescription(int p, int cursor, const char*& first, const char*& second);
