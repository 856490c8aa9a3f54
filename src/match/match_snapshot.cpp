#include "match/match_snapshot.h"

#include <cstring>
#include <type_traits>

#include "platform/wipe.h"
#include "setup/player_params.h"
#include "shell/game_mode.h"
#include "shell/menu_input.h"

namespace {

// FNV-1a over 64-bit words, folded so that high bits reach the low ones; the
// tail goes byte by byte.
struct Checksum {
    static constexpr uint64_t prime = 1099511628211ull;
    uint64_t h = 14695981039346656037ull;

    void Bytes(const void* data, size_t size) {
        const auto* b = static_cast<const uint8_t*>(data);
        for (; size >= 8; size -= 8, b += 8) {
            uint64_t word;
            std::memcpy(&word, b, 8);
            h = (h ^ word) * prime;
            h ^= h >> 29;
        }
        for (; size > 0; --size, ++b) h = (h ^ *b) * prime;
    }

    // Only records whose every byte is a field's may be read whole.
    template <typename T>
    void Add(const T& value) {
        static_assert(std::has_unique_object_representations_v<T>, "a record with padding is added field by field");
        Bytes(&value, sizeof value);
    }
};

void AddFlyingPanels(Checksum& sum) {
    for (const auto& side : flyingPanels)
        for (const auto& row : side)
            for (const FlyingPanel& f : row) {
                sum.Add(f.flyAngle);
                sum.Bytes(&f.flyX, sizeof f.flyX);
                sum.Bytes(&f.flyY, sizeof f.flyY);
                sum.Add(f.flyGone);
            }
}

}  // namespace

void SaveMatchSnapshot(MatchSnapshot& s) {
#define SAVE_MATCH_VALUE(type, name, start) s.values.name = name;
    MATCH_VALUES(SAVE_MATCH_VALUE)
#undef SAVE_MATCH_VALUE
    std::memcpy(s.board, board, sizeof board);
    s.players[0] = players[0];
    s.players[1] = players[1];
    std::memcpy(s.flyingPanels, flyingPanels, sizeof flyingPanels);
    s.random = gameRandom;
    s.options = options;
    s.gameMode = gameMode;
    std::memcpy(s.versusWins, versusWins, sizeof versusWins);
    std::memcpy(s.playerParams, playerParams, sizeof playerParams);
    std::memcpy(s.itemSlots, itemSlots, sizeof itemSlots);
    std::memcpy(s.itemUseOff, itemUseOff, sizeof itemUseOff);
    s.wipeState = wipeState;
    s.wipeWidth = wipeWidth;
    s.boxGrowth = boxGrowth;
}

void RestoreMatchSnapshot(const MatchSnapshot& s) {
#define RESTORE_MATCH_VALUE(type, name, start) name = s.values.name;
    MATCH_VALUES(RESTORE_MATCH_VALUE)
#undef RESTORE_MATCH_VALUE
    std::memcpy(board, s.board, sizeof board);
    players[0] = s.players[0];
    players[1] = s.players[1];
    std::memcpy(flyingPanels, s.flyingPanels, sizeof flyingPanels);
    gameRandom = s.random;
    options = s.options;
    gameMode = s.gameMode;
    std::memcpy(versusWins, s.versusWins, sizeof versusWins);
    std::memcpy(playerParams, s.playerParams, sizeof playerParams);
    std::memcpy(itemSlots, s.itemSlots, sizeof itemSlots);
    std::memcpy(itemUseOff, s.itemUseOff, sizeof itemUseOff);
    wipeState = s.wipeState;
    wipeWidth = s.wipeWidth;
    boxGrowth = s.boxGrowth;
}

namespace {

// Everything a snapshot holds, with the options as given.
uint64_t ChecksumWith(const OptionsFile& shownOptions) {
    Checksum sum;
#define ADD_MATCH_VALUE(type, name, start) sum.Add(name);
    MATCH_VALUES(ADD_MATCH_VALUE)
#undef ADD_MATCH_VALUE
    sum.Add(board);
    sum.Add(players);
    AddFlyingPanels(sum);
    sum.Add(gameRandom);
    sum.Add(shownOptions);
    sum.Add(gameMode);
    sum.Add(versusWins);
    sum.Add(playerParams);
    sum.Add(itemSlots);
    sum.Add(itemUseOff);
    sum.Add(wipeState);
    sum.Add(wipeWidth);
    sum.Add(boxGrowth);
    return sum.h;
}

}  // namespace

uint64_t MatchChecksum() { return ChecksumWith(options); }

uint64_t SharedMatchChecksum() {
    OptionsFile shared = options;
    shared.soundOff = 0;
    shared.backgroundPattern = 0;
    shared.panelShape = 0;
    return ChecksumWith(shared);
}
