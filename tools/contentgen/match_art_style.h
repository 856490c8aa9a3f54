#pragma once
#include "content/sheet_rect.h"
#include "contentgen/art_style.h"

// The look of the match screens: lettering fitted into the sheet's
// rectangles, and dithered colour for large soft areas. Player 0's colour is
// amber, player 1's sky blue; the neutral colour is white.

enum class Align { centre, left };

// Draws text as large as the box allows, outline and shadow included, squeezed
// sideways by at most a fifth when it is wide. padding keeps clear of the
// box's edges. Returns the font size used.
int DrawFittedLabel(Canvas& canvas, const char* utf8, SheetRect box, LabelStyle style, int padding,
                    Align align = Align::centre);

// The largest font size at which the text fits the box without squeezing.
int FittingSize(const char* utf8, SheetRect box, const LabelStyle& style, int padding);

// Draws text at the style's own size in the box (centred vertically), so a
// set of labels can share one size.
void DrawSizedLabel(Canvas& canvas, const char* utf8, SheetRect box, const LabelStyle& style, int padding,
                    Align align = Align::centre);

// Bold white-filled match lettering over a dark rim of the ramp.
LabelStyle MatchLabel(int ramp);

// A glyph (a numeral, a sign) drawn centred on (cx, cy) with the font size
// that makes its ink inkHeight pixels tall.
void DrawGlyphOfHeight(Canvas& canvas, const char* utf8, float cx, float cy, int inkHeight, LabelStyle style);

// Nearest palette entry to c after the ordered dither has nudged it by up to
// spread per channel: smooth gradients on the 256-colour sheets.
uint8_t DitheredIndex(Rgb c, int x, int y, float spread = 10.0f);
