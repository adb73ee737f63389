#pragma once

#include "core/scoring/evaluation_tally.h"
#include "core/families/exercise_family.h"
#include "ui/kit/services.h"
#include "core/kit/exercise_protocol.h"
#include "core/kit/key_filter.h"
#include "core/kit/verdict_word.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/screen.h"
#include "ui/toolkit/twips.h"

#include "ui/kit/selector.h"
#include "ui/toolkit/page.h"

#include <functional>
#include <optional>
#include <vector>

#include <QPointer>
#include <QString>

namespace quillo {

class DigitCell;
class Page;
class ScoreBoard;
class RandomSource;
class VerdictBox;

// Where a family puts its own standard buttons and verdict, and their looks.
struct ExerciseLayout {
    // Where the instruction stands and how it reads.
    TwipRect instructionPlace{240, 0, 9000, 480};
    FontSpec instructionFont{Face::Script, 16, true};
    std::optional<Colour> instructionInk;
    std::optional<Qt::Alignment> instructionAlignment;
    bool instructionWraps = false;
    TwipRect newExercise;
    TwipRect check;
    TwipRect evaluate{3840, 5520, 1812, 372};
    TwipRect verdict{2640, 5880, 4212, 612};
    Colour verdictBackground = colour::LightYellow;
    // The squares run on to the page's bottom edge, for an exercise whose
    // last rules stand below the last whole row.
    bool paperToTheBottomEdge = false;
};

// The page every exercise screen shares: caption, instruction, footer, the
// standard buttons with their captions, tooltips and colours, and the
// verdict box. A family adds its own cells in build() and answers the three
// buttons; navigation, the tally write and the colour code live here.
class ExerciseScreen : public Screen {
public:
    ExerciseScreen(Services& services, ExerciseFamily family, ExerciseLayout layout);
    Page* open() final;

    ExerciseFamily family() const { return family_; }
    const EvaluationTally& tally() const { return tally_; }

protected:
    // The family's exercise, whose protocol drives the enable cycle.
    virtual ExerciseProtocol& protocol() = 0;
    // The family's own controls, as the page opens: the exercise that was
    // on it has been withdrawn.
    virtual void build(Page& page) = 0;
    // "OK", once the exercise may draw: draw and paint the new exercise.
    virtual void newExercise() = 0;
    // "Controllo", once the exercise may check: read the cells, check, mark.
    virtual void check() = 0;
    // After "Valutazione" has shown and graded: what a family paints besides.
    virtual void evaluated(const Evaluation&) {}
    // Counts a cell among the answers, which the cycle opens and closes
    // together.
    DigitCell* addAnswer(DigitCell* cell);
    // A key in the cell opens "Controllo" whenever the exercise's rule says
    // this cell is the one that does.
    void opensCheck(DigitCell& cell, std::function<bool()> rule);
    void setAnswersEnabled(bool enabled) const;
    // A length or kind selector, enabled and disabled by the cycle; when
    // pressed, its handler calls kindChosen(). From its press on it is the
    // chosen one, on this page and on those built after it, until the
    // pupil presses another.
    TextBox* addKindSelector(const SelectorDesign& design, std::function<void()> press);
    // A length or kind selector was pressed: the exercise on the page is
    // withdrawn and the buttons take the cycle's state for a new choice.
    void kindChosen();

    // A one-character cell on the family's colours, placed on a square.
    DigitCell* addCell(const QString& name, TwipPoint at, KeyFilter filter = KeyFilter::Digit);
    // A given digit or sign: centred bold 24-point Arial in blue, transparent.
    Label* addDigitLabel(const QString& name, TwipRect rect, const QString& text = {});
    Label* addLabel(const QString& name, TwipRect rect, const QString& text, FontSpec font);
    LineShape* addRule(TwipPoint from, TwipPoint to, int width = 2);

    Page& page() const { return *page_; }
    Button& newExerciseButton() const { return *newExercise_; }
    Button& checkButton() const { return *check_; }
    VerdictBox& verdictBox() const { return *verdict_; }
    ScoreBoard& board() const { return services_.board; }
    RandomSource& random() const { return services_.random; }

private:
    void present();
    void runCheck();
    void runEvaluate();
    void apply(const ButtonChange& change);
    // A control of the page, in the Tab chain that runs through the window.
    bool isOnPage(const QWidget* widget) const;
    void putButtonsLastInTabOrder() const;
    // What the pupil needs next: the first empty cell to write in, else the
    // first of "Controllo", "Valutazione", "OK" that can be pressed, else the
    // selector to choose with; never a control that leaves the exercise.
    QWidget* neededNext() const;
    void focus(QWidget* widget) const;
    // After "Controllo", the first cell marked wrong, else "Valutazione".
    void focusAfterCheck() const;
    // After "Valutazione", "OK" or the choice it waits for.
    void focusAfterEvaluation() const;
    // Shows an evaluation's verdict and, when it counts, writes its grade.
    void showEvaluation(const Evaluation& evaluation);
    void buildStandardControls(const ExerciseLayout& layout);
    Button* addStandardButton(const QString& name, TwipRect place, std::string_view caption, std::string_view tooltip,
                              Colour background, const QString& description = {});

    Services& services_;
    ExerciseFamily family_;
    ExerciseLayout layout_;
    EvaluationTally tally_;
    QPointer<Page> page_;
    Button* newExercise_ = nullptr;
    Button* check_ = nullptr;
    Button* evaluate_ = nullptr;
    VerdictBox* verdict_ = nullptr;
    std::vector<DigitCell*> answers_;
    // Its choice outlives the page, as the exercise's own fields do.
    SelectorSet kindSelectors_;
    // "exit", "Menu" and the section's menu, last in Tab order.
    std::vector<QWidget*> leaving_;
};

}  // namespace quillo
