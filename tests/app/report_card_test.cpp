#include "app/report_card.h"
#include "app/score_board.h"

#include <gtest/gtest.h>

#include <string>

namespace quillo {
namespace {

using F = ExerciseFamily;

// A family practised `presented` times whose grade stands at `grade`.
void practise(ScoreBoard& board, F family, int grade, int presented = 1)
{
    for (int i = 0; i < presented; ++i)
        board.notePresented(family);
    board.setGrade(family, grade);
}

std::string words(const ReportCard& card)
{
    std::string all;
    for (const OperationLine& line : card.operations)
        all.append(line.word).append(" | ");
    all.append(card.fractions.word).append(" | ").append(card.decimals.word).append(" | ").append(card.overall);
    return all;
}

TEST(ReportCard, WorkedExampleGivesBuonoOverall)
{
    ScoreBoard board;
    board.setPupilName("Marco Neri V A");
    practise(board, F::Division, 8);
    practise(board, F::Multiplication, 7);
    practise(board, F::Addition, 9);
    practise(board, F::Subtraction, 6);
    practise(board, F::FractionConcept, 10, 3);
    practise(board, F::FractionComparison, 6, 2);
    practise(board, F::PlaceValue, 5);

    const ReportCard card = computeReportCard(board);
    EXPECT_EQ(card.pupilName, "Marco Neri V A");
    EXPECT_EQ(words(card), "Distinto | Buono | Ottimo | Sufficiente | Distinto | Così non va bene!!! | Buono");
    EXPECT_EQ(card.fractions.doneCount, 2);
    EXPECT_EQ(card.fractions.average, 8);
    EXPECT_FALSE(card.familyDone[slotOf(F::FractionKinds)]);
    EXPECT_TRUE(card.familyDone[slotOf(F::FractionComparison)]);
    EXPECT_EQ(card.decimals.doneCount, 1);
    EXPECT_EQ(card.decimals.average, 5);
    EXPECT_EQ(card.sectionsDone, 6);
    // 43 / 6 = 7.17, rounded down.
    EXPECT_EQ(card.overallAverage, 7);
}

TEST(ReportCard, FreshRunHasNothingToShow)
{
    ScoreBoard board;
    const ReportCard card = computeReportCard(board);
    EXPECT_EQ(words(card), "Nessun esercizio | Nessun esercizio | Nessun esercizio | Nessun esercizio | "
                           "Nessun esercizio | Nessun esercizio | Nessun esercizio!");
    EXPECT_EQ(card.sectionsDone, 0);
    EXPECT_EQ(card.fractions.doneCount, 0);
    EXPECT_FALSE(card.overallAverage.has_value());
    for (bool done : card.familyDone)
        EXPECT_FALSE(done);
}

TEST(ReportCard, AMemberPresentedButNeverGradedWeighsZero)
{
    ScoreBoard board;
    practise(board, F::FractionKinds, 0, 2);
    practise(board, F::FractionConcept, 10);
    ReportCard card = computeReportCard(board);
    EXPECT_EQ(card.fractions.doneCount, 2);
    EXPECT_EQ(card.fractions.average, 5);
    EXPECT_EQ(card.fractions.word, "Così non va bene!!!");
    EXPECT_TRUE(card.fractions.done) << "a practised group counts, however low";

    // 10 + 0 + 7 over three members is 5.67: still below six.
    practise(board, F::DecimalFractions, 7);
    card = computeReportCard(board);
    EXPECT_EQ(card.fractions.average, 5);
    EXPECT_EQ(card.fractions.word, "Così non va bene!!!");
}

TEST(ReportCard, AnOperationPresentedButNotGradedSaysSo)
{
    ScoreBoard board;
    for (F family : {F::Division, F::Multiplication, F::Subtraction, F::FractionConcept, F::PlaceValue})
        practise(board, family, 8);
    // An addition is on screen, never evaluated.
    board.notePresented(F::Addition);
    ReportCard card = computeReportCard(board);
    EXPECT_EQ(card.operation(F::Addition).word, "Nessuna valutazione");
    EXPECT_FALSE(card.operation(F::Addition).done);
    EXPECT_FALSE(card.familyDone[slotOf(F::Addition)]);
    EXPECT_EQ(card.sectionsDone, 5);
    EXPECT_EQ(card.overall, "Incompleta!");

    board.setGrade(F::Addition, 6);
    card = computeReportCard(board);
    EXPECT_EQ(card.operation(F::Addition).word, "Sufficiente");
    EXPECT_EQ(card.overall, "Buono");  // (8 * 3 + 6 + 8 + 8) / 6 = 7.67
}

TEST(ReportCard, AllSixDoneBelowFiveIsNotLeftEmpty)
{
    ScoreBoard board;
    for (F family : {F::Division, F::Multiplication, F::Addition, F::Subtraction, F::PlaceValue})
        practise(board, family, 5);
    // Two right answers out of ten in the kinds of fractions.
    practise(board, F::FractionKinds, 2);
    const ReportCard card = computeReportCard(board);
    EXPECT_EQ(card.sectionsDone, 6);
    // (5 * 4 + 2 + 5) / 6 = 4.5.
    EXPECT_EQ(card.overallAverage, 4);
    EXPECT_EQ(card.overall, "Così non va bene!!!");
}

TEST(ReportCard, WordsForEveryGrade)
{
    struct Row {
        int grade;
        const char* operation;
        const char* group;
        const char* overall;
    };
    const Row rows[] = {
        {5, "Così non va bene!!", "Così non va bene!!!", "Così non va bene!!!"},
        {6, "Sufficiente", "Sufficiente", "Sufficiente"},
        {7, "Buono", "Buono", "Buono"},
        {8, "Distinto", "Distinto", "Distinto"},
        {9, "Ottimo", "Ottimo", "Ottimo"},
        {10, "Bravo!!!", "Bravo!!!", "Sei proprio in gamba!!!"},
    };
    for (const Row& row : rows) {
        ScoreBoard board;
        for (F family : kAllFamilies)
            practise(board, family, row.grade);
        const ReportCard card = computeReportCard(board);
        for (const OperationLine& line : card.operations)
            EXPECT_EQ(line.word, row.operation) << row.grade;
        EXPECT_EQ(card.fractions.word, row.group) << row.grade;
        EXPECT_EQ(card.decimals.word, row.group) << row.grade;
        EXPECT_EQ(card.fractions.doneCount, 4);
        EXPECT_EQ(card.decimals.doneCount, 2);
        EXPECT_EQ(card.overallAverage, row.grade);
        EXPECT_EQ(card.overall, row.overall) << row.grade;
    }
}

}  // namespace
}  // namespace quillo
