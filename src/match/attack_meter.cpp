#include <algorithm>

#include "content/game_sheet.h"
#include "match/drops.h"
#include "match/game_random.h"
#include "match/hud_parts.h"
#include "match/match_state.h"
#include "options/options_file.h"

namespace {

constexpr int lampStepMs = 5000;

int32_t SinceAttackMark(uint32_t now) { return static_cast<int32_t>(now - attackMark); }

// Lamp i: 1 lit, 0 dark; once all are lit they shine for a second and then
// flash (2) until the attack goes off.
int LampState(int i, int32_t elapsed) {
    if (attackMeterLit == attackMeterSize) {
        if (elapsed < 1000) return 1;
        return elapsed % 500 < 250 ? 2 : 0;
    }
    return i <= attackMeterLit ? 1 : 0;
}

void DrawMeter(int32_t elapsed) {
    using namespace gameSheetLayout;
    const SheetRect& icon = attackMeterSize < 4 ? meterIconSmall : attackMeterSize < 8 ? meterIconMedium : meterIconLarge;
    DrawSheetPicture(icon, 444, 362);
    for (int i = 0; i <= attackMeterSize; ++i) {
        DrawSheetPicture(Lamp(LampState(i, elapsed)), 327 + 34 * (i % 8), 390 + 32 * (i / 8));
    }
}

void Attack(uint32_t now) {
    static constexpr int base[4] = {1, 4, 7, 10};
    attackAmount = static_cast<int8_t>(GameRand() % 3 + base[(attackMeterSize / 4) & 3] + attackMeterSize);
    attackMeterLit = -1;
    const int difficulty = std::clamp<int>(options.difficulty, 0, 2);
    if (level < 100 - 20 * difficulty) {
        attackMeterSize = static_cast<int8_t>(GameRand() % (std::max(level, 0) / (8 - 2 * difficulty) + 2));
    } else {
        attackMeterSize = static_cast<int8_t>(GameRand() % 12 + 4);
    }
    attackMark = now;
    // The attack's panels go to the player like any other batch from above.
    QueueDrop(0, attackAmount);
}

}  // namespace

void RunAttackMeter(uint32_t now) {
    // Sizes are 0..15 by construction; a stray value must not draw off the meter.
    if (attackMeterSize < 0 || attackMeterSize > 15) attackMeterSize = 0;
    DrawMeter(SinceAttackMark(now));
    // The meter runs only while the match is played; the pause holds its mark.
    if (matchStarted != 1 || matchState != 0) return;
    if (LampState(attackMeterSize, SinceAttackMark(now)) == 2 && SinceAttackMark(now) > 3899) Attack(now);
    if (SinceAttackMark(now) > lampStepMs - 1) {
        attackMark = now;
        if (attackMeterLit < attackMeterSize) ++attackMeterLit;
    }
}
