#include <gtest/gtest.h>

#include "match/headless_run.h"
#include "options/options_file.h"

namespace {

// Each player of an online match keeps his sound, backdrop and panels; the
// target total and the difficulty decide the match and count.
TEST(SharedMatchChecksum, LeavesOutOnlyTheOptionsEachPlayerKeeps) {
    struct Case {
        int field;  // OptionField position
        bool counts;
    };
    const Case cases[] = {{0, true}, {1, false}, {2, true}, {3, false}, {4, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        headlessRun::Begin(headlessRun::StartOf(versusMode, 3), false);
        headlessRun::StepThrough(headlessRun::RandomInputs(3, 100, true));
        const uint64_t shared = SharedMatchChecksum();
        const uint64_t whole = MatchChecksum();
        int8_t& field = OptionField(c.field);
        field = static_cast<int8_t>(field == 0 ? 1 : 0);
        EXPECT_NE(MatchChecksum(), whole);
        EXPECT_EQ(SharedMatchChecksum() != shared, c.counts);
    }
}

}  // namespace
