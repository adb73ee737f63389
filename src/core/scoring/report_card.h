#pragma once

#include "core/families/exercise_family.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

class ScoreBoard;

// The words of the report card that are not grade words.
inline constexpr std::string_view kNoExercise = "Nessun esercizio";
inline constexpr std::string_view kNoGradeYet = "Nessuna valutazione";
inline constexpr std::string_view kNothingPractised = "Nessun esercizio!";
inline constexpr std::string_view kIncomplete = "Incompleta!";

// One whole-number operation on the report card.
struct OperationLine {
    ExerciseFamily family = ExerciseFamily::Division;
    std::string_view word;
    // The operation counts towards the overall verdict: it has a grade word.
    bool done = false;
};

// The fractions or the decimal numbers: several families under one word.
struct GroupLine {
    std::string_view word;
    // Members with at least one exercise presented, graded or not.
    int doneCount = 0;
    // Whole part of the members' mean grade; 0 when none was practised.
    int average = 0;
    bool done = false;
};

// A line of the card as it reads: what the line is ("Division",
// "Fractions", as the code spells it), its caption and its word.
struct ReportLine {
    std::string_view name;
    std::string_view caption;
    std::string_view word;
};

// What the report card shows for one state of the scoreboard. Everything is
// derived from the scoreboard alone, so opening the report twice on the same
// scoreboard always shows the same card.
struct ReportCard {
    std::string pupilName;
    // The operations, each on a line of its own, in the families' order.
    std::vector<OperationLine> operations;
    GroupLine fractions;
    GroupLine decimals;
    // Every family's done mark, by scoreboard slot: an operation once it has a
    // grade word, a member of a group once it has an exercise presented.
    std::array<bool, kFamilyCount> familyDone{};
    int sectionsDone = 0;
    // Only once all six sections are done.
    std::optional<int> overallAverage;
    std::string_view overall;

    // The line of a whole-number family (division to subtraction).
    const OperationLine& operation(ExerciseFamily family) const;
    // Every line in the card's order: the operations, then the groups.
    std::vector<ReportLine> lines() const;
};

ReportCard computeReportCard(const ScoreBoard& board);

}  // namespace quillo
