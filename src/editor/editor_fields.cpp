#include "editor/editor_fields.h"

#include <algorithm>

#include "editor/editor_state.h"

namespace {

constexpr int maxMinutes = 10;

template <typename T>
bool Change(T& value, int next) {
    if (value == next) return false;
    value = static_cast<T>(next);
    return true;
}

// Score goals step in bigger strides the higher they are.
int32_t ScoreStride(int32_t value, bool up) {
    if (up) return value < 10000 ? 1000 : (value < 100000 ? 5000 : 10000);
    return value > 100000 ? 10000 : (value > 10000 ? 5000 : 1000);
}

int32_t GoalStep(int type, int32_t value, bool up) {
    if (type == goalChain) return 1;
    if (type == goalPanels) return 10;
    return ScoreStride(value, up);
}

}  // namespace

bool ProblemKey(int direction) {
    if (direction == rightDirection) return Change(editorProblem, std::min(editorProblem + 1, puzzleCount - 1));
    if (direction == leftDirection) return Change(editorProblem, std::max(editorProblem - 1, 0));
    return false;
}

bool TimeKey(int direction) {
    int32_t& minutes = editorTables.minutes[editorProblem];
    int32_t& seconds = editorTables.seconds[editorProblem];
    if (direction == rightDirection) {
        // At 10:00 the key is heard though the time cannot grow.
        if (minutes >= maxMinutes) return true;
        seconds += 10;
        if (seconds >= 60) {
            seconds -= 60;
            ++minutes;
        }
        return true;
    }
    if (direction != leftDirection) return false;
    if (seconds >= 10) {
        seconds -= 10;
        return true;
    }
    if (minutes == 0) return false;
    --minutes;
    seconds = 50;
    return true;
}

bool GoalKey(int direction) {
    int8_t& type = editorTables.goalTypes[editorProblem];
    int32_t& value = editorTables.goalValues[editorProblem];
    if (direction == rightDirection || direction == leftDirection) {
        type = static_cast<int8_t>((type + (direction == rightDirection ? 1 : 3)) % 4);
        // Each counted goal starts from its smallest value; clearing the
        // board needs none, so it keeps the one stored.
        if (type != goalClearAll) value = goalRanges[type].low;
        return true;
    }
    if (type == goalClearAll) return false;
    const GoalRange range = goalRanges[type];
    const bool up = direction == upDirection;
    const int32_t step = GoalStep(type, value, up);
    return Change(value, std::clamp(up ? value + step : value - step, range.low, range.high));
}

bool SumKey(int direction) {
    int8_t& sum = editorTables.targetSums[editorProblem];
    if (direction == rightDirection) return Change(sum, std::min(sum + 1, 10));
    if (direction == leftDirection) return Change(sum, std::max(sum - 1, 7));
    return false;
}

bool LimitKey(int direction) {
    int8_t& limit = editorTables.swapLimits[editorProblem];
    // 0 swaps is not a limit the file keeps: -1 (free) and 1 meet across it.
    if (direction == rightDirection) return Change(limit, limit == -1 ? 1 : std::min(limit + 1, 100));
    if (direction == leftDirection) return Change(limit, limit == 1 ? -1 : std::max(limit - 1, -2));
    return false;
}
