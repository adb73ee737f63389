#include "ui/kit/exercise_screen.h"

#include "ui/kit/screen_id.h"
#include "core/kit/colours.h"
#include "core/families/family_description.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/footer.h"
#include "ui/kit/standard_button.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/focus_guard.h"
#include "ui/toolkit/page.h"

#include <QApplication>

#include <utility>
#include <vector>

namespace quillo {

namespace {
constexpr TwipRect kExitPlace{240, 5880, kCellSize, kCellSize};
constexpr TwipRect kMenuPlace{8640, 5880, kCellSize, kCellSize};
constexpr TwipRect kSectionMenuPlace{8040, 5880, kCellSize, kCellSize};

}  // namespace

ExerciseScreen::ExerciseScreen(Services& services, ExerciseFamily family, ExerciseLayout layout)
    : services_(services), family_(family), layout_(std::move(layout))
{
}

Page* ExerciseScreen::open()
{
    const ExerciseLayout& look = layout_;
    const FamilyDescription& description = describe(family_);
    page_ = new Page(toQString(description.caption));
    answers_.clear();
    kindSelectors_.startPage();
    page_->setPaperColour(description.paperColour);
    if (look.paperToTheBottomEdge)
        page_->setPaperToTheBottomEdge();
    Label* instruction =
        addLabel(QStringLiteral("instruction"), look.instructionPlace, toQString(description.instruction),
                 look.instructionFont);
    if (look.instructionInk)
        instruction->setTextColour(*look.instructionInk);
    if (look.instructionAlignment)
        instruction->setAlignment(*look.instructionAlignment);
    instruction->setWordWrap(look.instructionWraps);
    // The fraction section's pages sign themselves small, beside "exit".
    addFooter(*page_, description.footer,
              description.section == Section::Fractions ? FooterPlace::BesideExit : FooterPlace::Centred);
    buildStandardControls(look);
    protocol().withdraw();
    build(*page_);
    apply(protocol().cycle().opened);
    putButtonsLastInTabOrder();
    if (!page_->initialFocus())
        page_->setInitialFocus(neededNext());
    return page_;
}

bool ExerciseScreen::isOnPage(const QWidget* widget) const
{
    return widget && widget != page_ && page_->isAncestorOf(widget);
}

void ExerciseScreen::putButtonsLastInTabOrder() const
{
    // Tab runs through the family's own controls first, as the exercise is
    // done, then the buttons in the order the pupil needs them, then those
    // that leave the exercise.
    QWidget* last = page_;
    for (QWidget* widget = page_->nextInFocusChain(); isOnPage(widget); widget = widget->nextInFocusChain())
        last = widget;
    std::vector<QWidget*> order{check_, evaluate_, newExercise_};
    order.insert(order.end(), leaving_.begin(), leaving_.end());
    for (QWidget* next : order) {
        if (next != last)
            QWidget::setTabOrder(last, next);
        last = next;
    }
}

QWidget* ExerciseScreen::neededNext() const
{
    if (QWidget* box = nextEmptyBox(*page_))
        return box;
    for (Button* button : {check_, evaluate_, newExercise_}) {
        if (button->isEnabled())
            return button;
    }
    return kindSelectors_.next();
}

void ExerciseScreen::focus(QWidget* widget) const
{
    if (widget)
        widget->setFocus(Qt::OtherFocusReason);
}

void ExerciseScreen::focusAfterCheck() const
{
    // The wrong cells first, in Tab order, then the verdict.
    for (QWidget* widget = page_->nextInFocusChain(); isOnPage(widget); widget = widget->nextInFocusChain()) {
        auto* cell = qobject_cast<DigitCell*>(widget);
        if (cell && cell->isMarkedWrong() && cell->isEnabled() && cell->isVisible() && !cell->isReadOnly()
            && cell->focusPolicy() != Qt::NoFocus) {
            focus(cell);
            return;
        }
    }
    focus(evaluate_->isEnabled() ? evaluate_ : neededNext());
}

void ExerciseScreen::focusAfterEvaluation() const
{
    // A new exercise comes next: "OK", or the choice "OK" waits for.
    if (newExercise_->isEnabled())
        focus(newExercise_);
    else if (ChoiceBox* choice = kindSelectors_.next())
        focus(choice);
    else
        focus(neededNext());
}

Button* ExerciseScreen::addStandardButton(const QString& name, TwipRect place,
                                          std::string_view caption, std::string_view tooltip, Colour background,
                                          const QString& description)
{
    return addButton(*page_, {.name = name,
                              .place = place,
                              .caption = toQString(caption),
                              .tooltip = toQString(tooltip),
                              .background = background,
                              .description = description});
}

void ExerciseScreen::buildStandardControls(const ExerciseLayout& look)
{
    const FamilyDescription& description = describe(family_);
    const auto& texts = description.texts;
    const auto& colours = description.buttonColours;
    newExercise_ = addStandardButton(QStringLiteral("newExerciseButton"), look.newExercise, "OK",
                                     texts.newExerciseTooltip, colours.newExercise, QStringLiteral("Nuovo esercizio"));
    check_ = addStandardButton(QStringLiteral("checkButton"), look.check, texts.checkCaption, texts.checkTooltip,
                               colours.check);
    evaluate_ = addStandardButton(QStringLiteral("evaluateButton"), look.evaluate, "Valutazione",
                                  texts.evaluateTooltip, colours.check);
    QObject::connect(newExercise_, &QPushButton::clicked, page_, [this] { present(); });
    QObject::connect(check_, &QPushButton::clicked, page_, [this] { runCheck(); });
    QObject::connect(evaluate_, &QPushButton::clicked, page_, [this] { runEvaluate(); });

    auto* exit = addStandardButton(QStringLiteral("exitButton"), kExitPlace, "exit", "", colours.exit,
                                   QStringLiteral("Esci dal programma"));
    QObject::connect(exit, &QPushButton::clicked, page_, [this] { services_.navigator.endProgram(); });
    auto* menu = addStandardButton(QStringLiteral("mainMenuButton"), kMenuPlace, "Menu", texts.mainMenuTooltip,
                                   colour::MenuButton, QStringLiteral("Menu principale"));
    QObject::connect(menu, &QPushButton::clicked, page_,
                     [this] { services_.navigator.showScreen(ScreenId::MainMenu); });
    leaving_ = {exit, menu};
    if (const Section section = description.section; section != Section::Operations) {
        const SectionDescription& menuOfSection = describe(section);
        auto* sectionMenu = addStandardButton(
            QStringLiteral("sectionMenuButton"), kSectionMenuPlace, menuOfSection.menuButtonCaption,
            texts.sectionMenuTooltip, menuOfSection.menuButtonColour, toQString(menuOfSection.menuButtonName));
        const ScreenId target = section == Section::Fractions ? ScreenId::FractionsMenu : ScreenId::DecimalsMenu;
        QObject::connect(sectionMenu, &QPushButton::clicked, page_,
                         [this, target] { services_.navigator.showScreen(target); });
        leaving_.push_back(sectionMenu);
    }
    new FocusGuard(page_, leaving_, [this] { return neededNext(); });

    verdict_ = page_->add<VerdictBox>(QStringLiteral("verdictBox"), look.verdict, {Face::Script, 24, true});
    verdict_->setAccessibleName(QStringLiteral("Giudizio"));
    verdict_->setBackgroundColour(look.verdictBackground);
}

DigitCell* ExerciseScreen::addCell(const QString& name, TwipPoint at, KeyFilter filter)
{
    auto* cell = page_->add<DigitCell>(name, cellAt(at.x, at.y), kCellFont);
    cell->configure(filter, describe(family_).cellColour);
    return cell;
}

Label* ExerciseScreen::addDigitLabel(const QString& name, TwipRect rect, const QString& text)
{
    auto* label = addLabel(name, rect, text, kCellFont);
    label->setAlignment(Qt::AlignCenter);
    label->setTextColour(colour::Blue);
    label->setReadAsValue();
    return label;
}

Label* ExerciseScreen::addLabel(const QString& name, TwipRect rect, const QString& text, FontSpec font)
{
    auto* label = page_->add<Label>(name, rect, font);
    label->setText(text);
    return label;
}

LineShape* ExerciseScreen::addRule(TwipPoint from, TwipPoint to, int width)
{
    return page_->addLine(from, to, width, colour::Blue);
}

void ExerciseScreen::apply(const ButtonChange& change)
{
    if (change.newExercise)
        newExercise_->setEnabled(*change.newExercise);
    if (change.check)
        check_->setEnabled(*change.check);
    if (change.evaluate)
        evaluate_->setEnabled(*change.evaluate);
    if (change.answers)
        setAnswersEnabled(*change.answers);
    if (change.kinds)
        kindSelectors_.setEnabled(*change.kinds);
}

DigitCell* ExerciseScreen::addAnswer(DigitCell* cell)
{
    answers_.push_back(cell);
    return cell;
}

void ExerciseScreen::opensCheck(DigitCell& cell, std::function<bool()> rule)
{
    cell.familyStep = [this, rule = std::move(rule)](int) {
        if (rule())
            check_->setEnabled(true);
    };
}

void ExerciseScreen::setAnswersEnabled(bool enabled) const
{
    for (DigitCell* cell : answers_)
        cell->setEnabled(enabled);
}

TextBox* ExerciseScreen::addKindSelector(const SelectorDesign& design, std::function<void()> press)
{
    return kindSelectors_.add(*page_, design, std::move(press));
}

void ExerciseScreen::kindChosen()
{
    ExerciseProtocol& exercise = protocol();
    exercise.withdraw();
    apply(exercise.cycle().kindChosen);
    if (newExercise_->isEnabled())
        focus(newExercise_);
}

void ExerciseScreen::present()
{
    ExerciseProtocol& exercise = protocol();
    if (!exercise.canPresent())
        return;
    apply(exercise.cycle().presented);
    // One more exercise presented, on the scoreboard and in the tally.
    recordPresented(board(), family_, tally_);
    newExercise();
    // The family puts the keyboard where the exercise starts; failing that,
    // where the pupil's work is.
    const QWidget* focused = QApplication::focusWidget();
    if (!isOnPage(focused) || !focused->isEnabled())
        focus(neededNext());
}

void ExerciseScreen::runCheck()
{
    ExerciseProtocol& exercise = protocol();
    if (!exercise.canCheck())
        return;
    check();
    apply(exercise.cycle().afterCheck(exercise.checks(), tally_.awaitingEvaluation()));
    focusAfterCheck();
}

void ExerciseScreen::runEvaluate()
{
    ExerciseProtocol& exercise = protocol();
    const std::optional<Evaluation> evaluation = exercise.evaluate();
    if (!evaluation)
        return;
    apply(exercise.cycle().evaluated);
    showEvaluation(*evaluation);
    evaluated(*evaluation);
    focusAfterEvaluation();
}

void ExerciseScreen::showEvaluation(const Evaluation& evaluation)
{
    // False when the exercise on screen was already counted.
    const bool counted =
        evaluation.counts && recordEvaluation(board(), family_, tally_, evaluation.grade, evaluation.divisor);
    if (evaluation.verdict && (counted || !evaluation.shownOnlyWhenCounted))
        verdict_->showVerdict(*evaluation.verdict, evaluation.negative);
}

}  // namespace quillo
