#pragma once
#include <string>

// Implemented in platform/sdl/font_match.cpp, on fontconfig.
// Path of the installed font file that best stands in for a face the game
// asks for by name ("ＭＳ 明朝" gets a Mincho, "HG創英角ｺﾞｼｯｸUB" a bold Gothic).
// Falls back to any installed face; empty only when there is no font at all.
std::string MatchFontFile(const char* face, int weight);

// The Latin face English text is drawn in (a twin of each Japanese font,
// platform/text.cpp). Asked for by this name, MatchFontFile answers only with
// an installed Latin family, its bold file for a weight of 700 and up, and
// empty when none is installed (the Japanese face's Latin letters then serve).
constexpr const char* latinFace = "Latin Sans";
bool IsLatinFace(const char* face);
