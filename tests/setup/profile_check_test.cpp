#include <gtest/gtest.h>

#include <array>

#include "setup/player_params.h"
#include "setup/profile_rules.h"

namespace {

struct ProfileCase {
    const char* name;
    std::array<int8_t, 5> levels;
    std::array<int8_t, 2> slots;
    int8_t itemsOff;
    bool keeps;
    int pointsLeft;  // when kept
};

// A profile built on another machine is taken only as this set-up could
// have built it; taken, its points left follow from its levels.
TEST(ProfileCheck, AProfileFromElsewhereIsTakenOnlyWhenTheRulesCouldHaveBuiltIt) {
    const ProfileCase cases[] = {
        {"fresh profile", {0, 0, 0, 0, 0}, {-1, -1}, 0, true, 15},
        {"fifteen points spent, two items", {5, 5, 5, 0, 0}, {3, 49}, 0, true, 0},
        {"the lifted cap puts every point on one level", {0, 15, 0, 0, 0}, {0, -1}, 0, true, 0},
        {"items off, ten points on SPEED LUCK CHAIN", {0, 4, 3, 3, 0}, {-1, -1}, 1, true, 0},
        {"sixteen points", {5, 5, 5, 1, 0}, {-1, -1}, 0, false, 0},
        {"items off, eleven points", {0, 5, 5, 1, 0}, {-1, -1}, 1, false, 0},
        {"items off with EX", {1, 0, 0, 0, 0}, {-1, -1}, 1, false, 0},
        {"items off with LOCK", {0, 0, 0, 0, 1}, {-1, -1}, 1, false, 0},
        {"items off with an item", {0, 0, 0, 0, 0}, {4, -1}, 1, false, 0},
        {"a negative level paying for another", {-1, 5, 5, 5, 1}, {-1, -1}, 0, false, 0},
        {"item switch 2", {0, 0, 0, 0, 0}, {-1, -1}, 2, false, 0},
        {"item number 50", {0, 0, 0, 0, 0}, {50, -1}, 0, false, 0},
        {"item number -2", {0, 0, 0, 0, 0}, {-2, -1}, 0, false, 0},
        {"second slot without the first", {0, 0, 0, 0, 0}, {-1, 7}, 0, false, 0},
        {"the same item twice", {0, 0, 0, 0, 0}, {7, 7}, 0, false, 0},
    };
    for (const ProfileCase& c : cases) {
        SCOPED_TRACE(c.name);
        ResetSetupRecords();
        playerParams[1][paramLuck] = 2;
        pointsLeft[1] = 13;
        EXPECT_EQ(ProfileKeepsRules(c.levels.data(), c.slots.data(), c.itemsOff), c.keeps);
        EXPECT_EQ(TakeProfile(1, c.levels.data(), c.slots.data(), c.itemsOff), c.keeps);
        if (c.keeps) {
            for (int k = 0; k < paramCount; ++k) EXPECT_EQ(playerParams[1][k], c.levels[static_cast<size_t>(k)]);
            EXPECT_EQ(pointsLeft[1], c.pointsLeft);
            EXPECT_EQ(itemUseOff[1], c.itemsOff);
            EXPECT_EQ(itemSlots[1][0], c.slots[0]);
            EXPECT_EQ(itemSlots[1][1], c.slots[1]);
        } else {
            EXPECT_EQ(playerParams[1][paramLuck], 2) << "a refused profile leaves the player as he was";
            EXPECT_EQ(pointsLeft[1], 13);
            EXPECT_EQ(itemSlots[1][0], -1);
        }
        EXPECT_EQ(playerParams[0][paramLuck], 0) << "the other player is untouched";
    }
}

}  // namespace
