#include "platform/font_match.h"

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <string>

namespace {

// The Windows faces the game names, and the installed families that look
// like them, best first.
const char* const minchoFamilies[] = {"IPAMincho", "IPAexMincho", "Noto Serif CJK JP", "serif:lang=ja", "serif"};
const char* const gothicFamilies[] = {"IPAGothic", "IPAexGothic", "Noto Sans CJK JP", "sans-serif:lang=ja", "sans-serif"};
// Plain sans faces that read well in bold at 20 and at 70 pixels, the
// condensed cuts first: English takes more letters than Japanese in the same
// room (fonts-dejavu-extra brings the condensed DejaVu, fonts-dejavu-core the
// rest).
const char* const latinFamilies[] = {"DejaVu Sans Condensed", "DejaVu Sans", "Liberation Sans Narrow", "Liberation Sans"};

bool Contains(const char* text, const char* part) { return text != nullptr && std::strstr(text, part) != nullptr; }

std::string FirstMatch(FcConfig* config, const char* pattern) {
    std::string result;
    FcPattern* request = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    if (request == nullptr) return result;
    FcConfigSubstitute(config, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    FcResult outcome = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config, request, &outcome);
    if (found != nullptr) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
            result = reinterpret_cast<const char*>(file);
        }
        FcPatternDestroy(found);
    }
    FcPatternDestroy(request);
    return result;
}

// True when fontconfig's answer really is the family asked for, not its
// last-resort substitute.
bool FamilyInstalled(FcConfig* config, const char* family) {
    if (std::strchr(family, ':') != nullptr || std::strcmp(family, "serif") == 0 || std::strcmp(family, "sans-serif") == 0) {
        return true;
    }
    FcPattern* request = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcObjectSet* fields = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* set = FcFontList(config, request, fields);
    bool found = set != nullptr && set->nfont > 0;
    if (set != nullptr) FcFontSetDestroy(set);
    FcObjectSetDestroy(fields);
    FcPatternDestroy(request);
    return found;
}

}  // namespace

bool IsLatinFace(const char* face) { return face != nullptr && std::strcmp(face, latinFace) == 0; }

std::string MatchFontFile(const char* face, int weight) {
    // For the Japanese faces weight is applied when rendering (the file is the
    // family's regular face); the Latin face has a bold file of its own.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return {};
    if (IsLatinFace(face)) {
        std::string file;
        for (const char* family : latinFamilies) {
            if (!FamilyInstalled(config, family)) continue;
            file = FirstMatch(config, (std::string(family) + (weight >= 700 ? ":bold" : "")).c_str());
            if (!file.empty()) break;
        }
        FcConfigDestroy(config);
        return file;
    }
    const bool gothic = Contains(face, "ｺﾞｼｯｸ") || Contains(face, "ゴシック") || Contains(face, "Gothic");
    std::string file;
    const auto& families = gothic ? gothicFamilies : minchoFamilies;
    for (const char* family : families) {
        if (!FamilyInstalled(config, family)) continue;
        file = FirstMatch(config, family);
        if (!file.empty()) break;
    }
    if (file.empty()) file = FirstMatch(config, "");
    FcConfigDestroy(config);
    return file;
}
