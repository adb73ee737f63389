#pragma once

#include "core/kit/check_record.h"
#include "core/kit/verdict_word.h"
#include "core/scoring/evaluation_tally.h"

#include <optional>

namespace quillo {

// What one step of an exercise does to "OK", "Controllo", "Valutazione" and
// the answer cells. Whatever is left unset keeps the state it had.
struct ButtonChange {
    std::optional<bool> newExercise;
    std::optional<bool> check;
    std::optional<bool> evaluate;
    std::optional<bool> answers;
    // The length or kind selectors, on the screens that have them.
    std::optional<bool> kinds;
};

// When a check opens "Valutazione".
enum class EvaluateOpens {
    AtFirstCheck,           // the first check only, whatever the tally says
    WhileAwaiting,          // any check, while the exercise on screen may still be counted
    WhileAwaitingUnshown,   // as WhileAwaiting, and only until its verdict has been shown
};

// A family's enable cycle of the three buttons, step by step. The first
// check always takes "Controllo" away until something reopens it.
struct ButtonCycle {
    ButtonChange opened;      // the page is rebuilt from its design state
    ButtonChange kindChosen;  // a length or kind selector is pressed
    ButtonChange presented;   // "OK"
    EvaluateOpens evaluateOpens = EvaluateOpens::WhileAwaiting;
    // The answers cannot be edited between the first check and "Valutazione".
    bool locksAnswersAtFirstCheck = false;
    ButtonChange evaluated;   // "Valutazione"

    ButtonChange afterCheck(const CheckRecord& checks, bool awaitingEvaluation) const;
};

// What "Valutazione" shows, and what it hands to the tally.
struct Evaluation {
    std::optional<VerdictWord> verdict;  // nothing to show without one
    bool negative = false;               // shown in red
    bool counts = false;                 // the tally may take this exercise with its grade
    int grade = 0;
    GradeDivisor divisor = GradeDivisor::Evaluations;
    // The verdict appears only when the tally really takes the grade.
    bool shownOnlyWhenCounted = false;
};

// The one protocol every family's exercise speaks to its screen: its cycle,
// its record of checks, whether a check may run, and the evaluation.
class ExerciseProtocol {
public:
    virtual ~ExerciseProtocol() = default;

    virtual const ButtonCycle& cycle() const = 0;
    const CheckRecord& checks() const { return checks_; }
    // Whether "OK" can draw: a family that needs a kind chosen first says no.
    virtual bool canPresent() const { return true; }
    // Whether "Controllo" has an exercise on the page to compare against:
    // by default, one put there by "OK" and not withdrawn since.
    virtual bool canCheck() const { return onPage_; }
    // "Valutazione": what to show and grade, or nothing when the press must
    // change nothing at all.
    virtual std::optional<Evaluation> evaluate() = 0;
    // The page was rebuilt empty, or a selector laid out a new empty grid:
    // the exercise that was on it is gone with its cells, so nothing may
    // check or grade it against empty cells.
    virtual void withdraw() { onPage_ = false; }

protected:
    // "Valutazione" of an exercise judged once, after its first check: the
    // evaluation, or nothing while there is no checked exercise on the page
    // or its verdict has been shown already.
    std::optional<Evaluation> evaluateOnce(const Evaluation& evaluation);

    CheckRecord checks_;
    // The exercise is on the page (not just in the fields) and can be checked.
    bool onPage_ = false;
};

}  // namespace quillo
