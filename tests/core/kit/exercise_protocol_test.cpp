#include "core/kit/exercise_protocol.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

CheckRecord checkedTimes(int checks, bool evaluated = false)
{
    CheckRecord record;
    for (int i = 0; i < checks; ++i)
        record.noteCheck(i);
    if (evaluated)
        record.noteEvaluated();
    return record;
}

TEST(ButtonCycle, OnlyTheFirstCheckClosesControlloAndEachRuleOpensValutazioneInItsOwnCase)
{
    struct Row {
        const char* name;
        EvaluateOpens rule;
        int checks;
        bool evaluated;
        bool awaiting;
        std::optional<bool> check;
        std::optional<bool> evaluate;
    };
    const Row rows[] = {
        {"first check, awaiting", EvaluateOpens::WhileAwaiting, 1, false, true, false, true},
        {"second check, awaiting", EvaluateOpens::WhileAwaiting, 2, false, true, std::nullopt, true},
        {"first check, already counted", EvaluateOpens::WhileAwaiting, 1, false, false, false, std::nullopt},
        {"first check opens whatever the tally", EvaluateOpens::AtFirstCheck, 1, false, false, false, true},
        {"a later check opens nothing", EvaluateOpens::AtFirstCheck, 2, false, true, std::nullopt, std::nullopt},
        {"unshown verdict, awaiting", EvaluateOpens::WhileAwaitingUnshown, 2, false, true, std::nullopt, true},
        {"verdict already shown", EvaluateOpens::WhileAwaitingUnshown, 2, true, true, std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        const ButtonCycle cycle{.evaluateOpens = row.rule};
        const ButtonChange change = cycle.afterCheck(checkedTimes(row.checks, row.evaluated), row.awaiting);
        EXPECT_EQ(change.check, row.check) << row.name;
        EXPECT_EQ(change.evaluate, row.evaluate) << row.name;
        EXPECT_FALSE(change.newExercise) << row.name << ": a check never touches \"OK\"";
        EXPECT_FALSE(change.answers) << row.name << ": answers stay editable unless the family locks them";
    }
    // A family that locks its answers does so at the first check only.
    const ButtonCycle locking{.locksAnswersAtFirstCheck = true};
    EXPECT_EQ(locking.afterCheck(checkedTimes(1), true).answers, false);
    EXPECT_FALSE(locking.afterCheck(checkedTimes(2), true).answers);
}

}  // namespace
}  // namespace quillo
