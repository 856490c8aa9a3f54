#include "platform/font_match.h"

#include <fontconfig/fontconfig.h>

#include <cstring>

namespace {

// The Windows faces the game names, and the installed families that look
// like them, best first.
const char* const minchoFamilies[] = {"IPAMincho", "IPAexMincho", "Noto Serif CJK JP", "serif:lang=ja", "serif"};
const char* const gothicFamilies[] = {"IPAGothic", "IPAexGothic", "Noto Sans CJK JP", "sans-serif:lang=ja", "sans-serif"};

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

std::string MatchFontFile(const char* face, int weight) {
    (void)weight;  // weight is applied when rendering; the file is the family's regular face
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return {};
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
