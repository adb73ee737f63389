#include "core/scoring/report_card.h"
#include "core/scoring/score_board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillo {
namespace {

using F = ExerciseFamily;

struct Practice {
    F family;
    int grade;  // 0: presented, never graded
    int presented = 1;
};

// The card's six words and overall word, its done marks by slot, the
// sections done and the overall average ("-" while there is none).
std::string summary(const ReportCard& card)
{
    std::string all;
    for (const OperationLine& line : card.operations)
        all.append(line.word).append(" | ");
    all.append(card.fractions.word).append(" | ").append(card.decimals.word).append(" | ").append(card.overall);
    all += " [";
    for (bool done : card.familyDone)
        all += done ? '1' : '0';
    all += "] " + std::to_string(card.sectionsDone) + " ";
    return all + (card.overallAverage ? std::to_string(*card.overallAverage) : "-");
}

TEST(ReportCard, WordsDoneMarksAndOverallByScoreboard)
{
    struct Row {
        const char* name;
        std::vector<Practice> practice;
        const char* summary;
    };
    const Row rows[] = {
        {"worked example: 43 / 6 rounded down",
         {{F::Division, 8}, {F::Multiplication, 7}, {F::Addition, 9}, {F::Subtraction, 6},
          {F::FractionConcept, 10, 3}, {F::FractionComparison, 6, 2}, {F::PlaceValue, 5}},
         "Distinto | Buono | Ottimo | Sufficiente | Distinto | Così non va bene!!! | Buono [1111100110] 6 7"},
        {"fresh run",
         {},
         "Nessun esercizio | Nessun esercizio | Nessun esercizio | Nessun esercizio | Nessun esercizio | "
         "Nessun esercizio | Nessun esercizio! [0000000000] 0 -"},
        {"a fraction presented, never graded, weighs 0: (10 + 0 + 7) / 3",
         {{F::FractionConcept, 10}, {F::FractionKinds, 0, 2}, {F::DecimalFractions, 7}},
         "Nessun esercizio | Nessun esercizio | Nessun esercizio | Nessun esercizio | Così non va bene!!! | "
         "Nessun esercizio | Incompleta! [0000111000] 1 -"},
        {"an addition presented, not graded yet",
         {{F::Division, 8}, {F::Multiplication, 8}, {F::Addition, 0}, {F::Subtraction, 8}, {F::FractionConcept, 8},
          {F::PlaceValue, 8}},
         "Distinto | Distinto | Nessuna valutazione | Distinto | Distinto | Distinto | Incompleta! [1101100010] 5 -"},
        {"all six done below five: (5 * 4 + 2 + 5) / 6",
         {{F::Division, 5}, {F::Multiplication, 5}, {F::Addition, 5}, {F::Subtraction, 5}, {F::FractionKinds, 2},
          {F::PlaceValue, 5}},
         "Così non va bene!! | Così non va bene!! | Così non va bene!! | Così non va bene!! | Così non va bene!!! | "
         "Così non va bene!!! | Così non va bene!!! [1111010010] 6 4"},
    };
    for (const Row& row : rows) {
        ScoreBoard board;
        for (const Practice& practice : row.practice) {
            for (int i = 0; i < practice.presented; ++i)
                board.notePresented(practice.family);
            board.setGrade(practice.family, practice.grade);
        }
        EXPECT_EQ(summary(computeReportCard(board)), row.summary) << row.name;
    }
}

// Every row of the three word tables, the thresholds included: an
// operation's grade, a group's average and the overall average, each
// reached through a scoreboard.
TEST(ReportCard, EveryGradeAndAverageHasItsWord)
{
    const char* const operationWords[] = {"Nessuna valutazione", "Nessuna valutazione", "Nessuna valutazione",
                                          "Nessuna valutazione", "Nessuna valutazione", "Così non va bene!!",
                                          "Sufficiente",         "Buono",               "Distinto",
                                          "Ottimo",              "Bravo!!!",            "Nessuna valutazione"};
    const char* const groupWords[] = {"Così non va bene!!!", "Così non va bene!!!", "Così non va bene!!!",
                                      "Così non va bene!!!", "Così non va bene!!!", "Così non va bene!!!",
                                      "Sufficiente",         "Buono",               "Distinto",
                                      "Ottimo",              "Bravo!!!"};
    const char* const overallWords[] = {"", "", "", "", "", "Così non va bene!!!", "Sufficiente", "Buono",
                                        "Distinto", "Ottimo", "Sei proprio in gamba!!!"};
    for (int grade = 0; grade <= 11; ++grade) {
        ScoreBoard board;
        board.notePresented(F::Subtraction);
        board.setGrade(F::Subtraction, grade);
        board.notePresented(F::DecimalComparison);
        board.setGrade(F::DecimalComparison, grade);
        const ReportCard card = computeReportCard(board);
        EXPECT_EQ(card.operation(F::Subtraction).word, operationWords[grade]) << "grade " << grade;
        if (grade <= 10) {
            EXPECT_EQ(card.decimals.word, groupWords[grade]) << "average " << grade;
        }
    }
    for (int average = 5; average <= 10; ++average) {
        ScoreBoard board;
        for (F family : {F::Division, F::Multiplication, F::Addition, F::Subtraction, F::FractionKinds, F::PlaceValue}) {
            board.notePresented(family);
            board.setGrade(family, average);
        }
        EXPECT_EQ(computeReportCard(board).overall, overallWords[average]) << "average " << average;
    }
}

}  // namespace
}  // namespace quillo
