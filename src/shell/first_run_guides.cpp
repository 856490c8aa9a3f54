#include "shell/first_run_guides.h"

#include "platform/game_files.h"

int8_t guideSeen[firstRunModeCount] = {};

void ReadSeenGuides() {
    constexpr const char* names[1] = {"Guides.dat"};
    RemoveWriteLeftovers("Data", names, 1);
    ForgetSeenGuides();
    // One byte more than the record: a longer file is not ours.
    uint8_t bytes[firstRunModeCount + 1] = {};
    if (ReadGameFile(seenGuidesFile, bytes, sizeof bytes) != firstRunModeCount) return;
    for (const uint8_t b : bytes)
        if (b > 1) return;
    for (int i = 0; i < firstRunModeCount; ++i)
        guideSeen[i] = static_cast<int8_t>(bytes[i]);
}

bool OpenFirstRunGuide(GameMode mode, const KeyGuidePage* page) {
    if (mode < 0 || mode >= firstRunModeCount || guideSeen[mode] != 0 || page == nullptr) return false;
    guideSeen[mode] = 1;
    // A write that fails is said on standard error; the guide still shows.
    WriteGameFileAtomic(seenGuidesFile, guideSeen, sizeof guideSeen);
    OpenKeyGuideSoon(page);
    return true;
}

void MarkAllGuidesSeen() {
    for (int8_t& seen : guideSeen)
        seen = 1;
}

void ForgetSeenGuides() {
    for (int8_t& seen : guideSeen)
        seen = 0;
}
