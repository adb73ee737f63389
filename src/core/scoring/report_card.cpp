#include "core/scoring/report_card.h"

#include "core/families/family_description.h"
#include "core/scoring/score_board.h"

#include <stdexcept>

namespace quillo {

namespace {

// An operation's own grade: the lowest mark keeps two exclamation marks, a
// gentler word than the three of a group or of the whole run.
std::string_view operationWord(int grade)
{
    switch (grade) {
    case 5: return "Così non va bene!!";
    case 6: return "Sufficiente";
    case 7: return "Buono";
    case 8: return "Distinto";
    case 9: return "Ottimo";
    case 10: return "Bravo!!!";
    default: return {};
    }
}

// A group's average can fall below 5: a member presented and never graded
// weighs 0, and the kinds of fractions grade by right answers out of ten.
std::string_view groupWord(int average)
{
    if (average < 6)
        return "Così non va bene!!!";
    if (average >= 10)
        return "Bravo!!!";
    return operationWord(average);
}

std::string_view overallWord(int average)
{
    if (average <= 5)
        return "Così non va bene!!!";
    if (average >= 10)
        return "Sei proprio in gamba!!!";
    return operationWord(average);
}

// Exact quotient rounded down; both terms are never negative here.
int wholePart(int sum, int count)
{
    return count > 0 ? sum / count : 0;
}

// The group's members are the families of its section.
GroupLine groupLine(const ScoreBoard& board, Section section, std::array<bool, kFamilyCount>& familyDone)
{
    GroupLine line;
    int sum = 0;
    for (ExerciseFamily member : kAllFamilies) {
        if (describe(member).section != section)
            continue;
        const bool practised = board.presentedCount(member) != 0;
        familyDone[slotOf(member)] = practised;
        if (practised) {
            ++line.doneCount;
            sum += board.grade(member);
        }
    }
    if (line.doneCount == 0) {
        line.word = kNoExercise;
        return line;
    }
    line.average = wholePart(sum, line.doneCount);
    line.word = groupWord(line.average);
    line.done = true;
    return line;
}

}  // namespace

const OperationLine& ReportCard::operation(ExerciseFamily family) const
{
    for (const OperationLine& line : operations) {
        if (line.family == family)
            return line;
    }
    throw std::out_of_range("the family has no line of its own on the report card");
}

std::vector<ReportLine> ReportCard::lines() const
{
    std::vector<ReportLine> lines;
    for (const OperationLine& line : operations)
        lines.push_back({kFamilyNames[slotOf(line.family)], describe(line.family).reportCaption, line.word});
    lines.push_back({"Fractions", describe(Section::Fractions).reportCaption, fractions.word});
    lines.push_back({"Decimals", describe(Section::Decimals).reportCaption, decimals.word});
    return lines;
}

ReportCard computeReportCard(const ScoreBoard& board)
{
    ReportCard card;
    card.pupilName = board.pupilName();

    int sum = 0;
    for (ExerciseFamily family : kAllFamilies) {
        if (describe(family).section != Section::Operations)
            continue;
        OperationLine& line = card.operations.emplace_back();
        line.family = family;
        const int grade = board.grade(family);
        if (board.presentedCount(family) == 0) {
            line.word = kNoExercise;
        } else if (const std::string_view word = operationWord(grade); !word.empty()) {
            line.word = word;
            line.done = true;
            sum += grade;
        } else {
            // Presented but not graded yet: saying so beats an empty line,
            // and the operation cannot count towards the overall verdict.
            line.word = kNoGradeYet;
        }
        card.familyDone[slotOf(family)] = line.done;
        card.sectionsDone += line.done ? 1 : 0;
    }

    card.fractions = groupLine(board, Section::Fractions, card.familyDone);
    card.decimals = groupLine(board, Section::Decimals, card.familyDone);
    card.sectionsDone += (card.fractions.done ? 1 : 0) + (card.decimals.done ? 1 : 0);

    // Each operation and each group is a section of the card.
    const int sections = static_cast<int>(card.operations.size()) + 2;
    if (card.sectionsDone == 0) {
        card.overall = kNothingPractised;
    } else if (card.sectionsDone < sections) {
        card.overall = kIncomplete;
    } else {
        sum += card.fractions.average + card.decimals.average;
        card.overallAverage = wholePart(sum, sections);
        card.overall = overallWord(*card.overallAverage);
    }
    return card;
}

}  // namespace quillo
