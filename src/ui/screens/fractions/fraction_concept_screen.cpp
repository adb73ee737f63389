#include "ui/screens/fractions/fraction_concept_screen.h"

#include "ui/kit/family_screens.h"
#include "core/scoring/score_board.h"
#include "ui/screens/fractions/fraction_concept_layout.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/selector.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/page.h"

#include <QCursor>
#include <QPainter>
#include <QPixmap>

namespace quillo {

namespace {
using Exercise = FractionConceptExercise;

// The fraction column: tens, units one square right, and bars that end
// after the units on the denominators' top edge.
constexpr int kTensLeft = 7440;
constexpr int kUnitsLeft = kTensLeft + kSquare;
constexpr int kBarRight = kUnitsLeft + kSquare;
constexpr int kGivenBarY = 2280;
constexpr int kComplementBarY = 4080;
constexpr int kNumeratorCellTop = 3480;
constexpr int kDenominatorCellTop = 4086;

ExerciseLayout layout()
{
    return {
        // Its two lines stand on the paper's first squares, above "Frazione
        // data": across the paper's top edge that edge would cut them.
        .instructionPlace = {240, 480, 9012, 840},
        .instructionFont = {Face::Script, 17, false},
        .instructionInk = colour::DarkBlue,
        .instructionAlignment = Qt::AlignLeft | Qt::AlignTop,
        .instructionWraps = true,
        .newExercise = {8640, 4680, 612, 612},
        .check = {7080, 4920, 1332, 372},
        .evaluate = {5040, 5520, 1812, 372},
        .verdict = {4440, 5880, 3012, 612},
        .verdictBackground = colour::Yellow,
    };
}
}  // namespace

FractionConceptScreen::FractionConceptScreen(Services& services)
    : FamilyScreen(services, ExerciseFamily::FractionConcept, layout())
{
}

const RectShape* FractionConceptScreen::partShape(int part) const
{
    if (part < Exercise::kFirstPart || part > Exercise::kLastPart)
        return nullptr;
    return shapes_[slot(part)];
}

void FractionConceptScreen::build(Page& page)
{
    // The fraction column first, so that the parts, laid over later, take
    // the clicks where a wide whole reaches the headings.
    buildFraction(page);
    buildParts(page);
    TextBox* red = addSwatch(page, QStringLiteral("redSwatch"), 2640, PartColour::Red,
                             QStringLiteral("Assegna il colore rosso al puntatore"));
    TextBox* blue = addSwatch(page, QStringLiteral("blueSwatch"), 3240, PartColour::Blue,
                              QStringLiteral("Assegna il colore blu al puntatore"));
    keyboardFollowsTheWork(red, blue);
    showPointerCursor();
    complementNumerator_.setVisible(false);
    complementDenominator_.setVisible(false);
    givenBar_->setVisible(false);
    complementBar_->setVisible(false);
}

// Tab goes the way the exercise is done: a colour, the parts, then the
// complementary fraction.
void FractionConceptScreen::keyboardFollowsTheWork(TextBox* red, TextBox* blue) const
{
    QWidget* previous = red;
    const auto follow = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    follow(blue);
    for (Label* target : targets_)
        follow(target);
    complementNumerator_.forEach([&follow](DigitCell& cell, std::size_t) { follow(&cell); });
    complementDenominator_.forEach([&follow](DigitCell& cell, std::size_t) { follow(&cell); });
}

void FractionConceptScreen::buildFraction(Page& page)
{
    auto* given = addLabel(QStringLiteral("givenCaption"), {6840, 1320, 2412, 732}, QStringLiteral("Frazione data"),
                           {Face::Script, 14, true});
    given->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    given->setTextColour(colour::Blue);
    // Below the given denominator's square, so that a two-digit
    // denominator's digits keep clear of its two lines.
    auto* complementary = addLabel(QStringLiteral("complementCaption"), {7200, 2880, 1692, 600},
                                   QStringLiteral("Frazione complementare"), {Face::Script, 11, true});
    complementary->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    complementary->setWordWrap(true);
    complementary->setTextColour(colour::Blue);

    const int numeratorTop = kGivenBarY - kSquare;
    givenNumerator_ = {addDigitLabel(QStringLiteral("givenNumeratorUnits"), cellAt(kUnitsLeft, numeratorTop)),
                       addDigitLabel(QStringLiteral("givenNumeratorTens"), cellAt(kTensLeft, numeratorTop))};
    givenDenominator_ = {addDigitLabel(QStringLiteral("givenDenominatorUnits"), cellAt(kUnitsLeft, kGivenBarY)),
                         addDigitLabel(QStringLiteral("givenDenominatorTens"), cellAt(kTensLeft, kGivenBarY))};
    givenBar_ = addRule({kBarRight, kGivenBarY}, {kUnitsLeft, kGivenBarY});
    complementBar_ = addRule({kBarRight, kComplementBarY}, {kUnitsLeft, kComplementBarY});

    const auto addFractionCell = [&](const QString& name, int left, int top, const QString& role) {
        DigitCell* cell = addCell(name, {left, top});
        page.moveTo(cell, {left, top, kCellSize, 570});
        page.setFontOf(cell, {Face::Arial, 18, true});
        cell->setAccessibleName(role);
        return addAnswer(cell);
    };
    complementNumerator_ = CellSeries<2>({
        addFractionCell(QStringLiteral("complementNumeratorUnits"), kUnitsLeft, kNumeratorCellTop,
                        QStringLiteral("Numeratore complementare, unità")),
        addFractionCell(QStringLiteral("complementNumeratorTens"), kTensLeft, kNumeratorCellTop,
                        QStringLiteral("Numeratore complementare, decine")),
    });
    complementDenominator_ = CellSeries<2>({
        addFractionCell(QStringLiteral("complementDenominatorUnits"), kUnitsLeft, kDenominatorCellTop,
                        QStringLiteral("Denominatore complementare, unità")),
        addFractionCell(QStringLiteral("complementDenominatorTens"), kTensLeft, kDenominatorCellTop,
                        QStringLiteral("Denominatore complementare, decine")),
    });
    complementDenominator_.forEach([this](DigitCell& cell, std::size_t i) {
        opensCheck(cell, [this, i] { return exercise_.opensCheck(i); });
    });
}

void FractionConceptScreen::buildParts(Page& page)
{
    for (int part = Exercise::kFirstPart; part <= Exercise::kLastPart; ++part) {
        const TwipRect rect = fraction_concept_layout::partPlace(part);
        RectShape* shape = page.addRect(rect, colour::White, 2);
        shape->setVisible(false);
        shapes_[slot(part)] = shape;

        // Named by the part's number in the exercise, across all its wholes.
        auto* target = page.add<Label>(QStringLiteral("part%1").arg(part), rect);
        target->setTransparent();
        target->setPressable();
        const int first = Exercise::wholeParts(Exercise::wholeOf(part)).front();
        target->setAccessibleName(QStringLiteral("Parte %1 dell'intero").arg(part - first + 1));
        target->hide();
        QObject::connect(target, &Label::clicked, &page, [this, part] { clickPart(part); });
        targets_[slot(part)] = target;
    }
}

TextBox* FractionConceptScreen::addSwatch(Page& page, const QString& name, int left, PartColour colour,
                                          const QString& tooltip)
{
    return addSelector(page, {.name = name, .place = cellAt(left, 5880), .tooltip = tooltip,
                              .background = colourOf(colour)},
                       [this, colour] { choosePointer(colour); });
}

void FractionConceptScreen::choosePointer(PartColour colour)
{
    exercise_.choosePointer(colour);
    showPointerCursor();
}

// Over the parts the mouse pointer is a dot of the colour it paints with.
void FractionConceptScreen::showPointerCursor() const
{
    QPixmap dot(24, 24);
    dot.fill(Qt::transparent);
    {
        QPainter painter(&dot);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(toQColor(colourOf(exercise_.pointer())));
        painter.drawEllipse(QRectF(4, 4, 16, 16));
    }
    const QCursor cursor(dot, 12, 12);
    for (Label* target : targets_)
        target->setCursor(cursor);
}

void FractionConceptScreen::clickPart(int part)
{
    const auto click = exercise_.clickPart(part);
    if (!click.accepted)
        return;
    shapes_[slot(part)]->setFill(click.paint);
    if (click.enablePart)
        targets_[slot(click.enablePart)]->setEnabled(true);
    if (click.enableCells)
        setAnswersEnabled(true);
}

void FractionConceptScreen::hideParts()
{
    for (std::size_t i = 0; i < kParts; ++i) {
        shapes_[i]->setVisible(false);
        shapes_[i]->setFill(colour::White);
        targets_[i]->hide();
    }
}

void FractionConceptScreen::newExercise()
{
    page().clearPrinted();
    verdictBox().clear();
    for (const CellSeries<2>* cells : {&complementNumerator_, &complementDenominator_}) {
        cells->reset();
        cells->setVisible(false);
    }
    for (Label* label : {givenNumerator_[0], givenNumerator_[1], givenDenominator_[0], givenDenominator_[1]})
        label->clear();
    hideParts();

    exercise_.newExercise(random());

    // Both bars span the denominator's columns.
    const int barStart = kBarRight - kSquare * static_cast<int>(exercise_.denominatorDigits().size());
    givenBar_->setEnds({kBarRight, kGivenBarY}, {barStart, kGivenBarY});
    complementBar_->setEnds({kBarRight, kComplementBarY}, {barStart, kComplementBarY});
    givenBar_->setVisible(true);
    complementBar_->setVisible(true);
    for (std::size_t i = 0; i < exercise_.numeratorDigits().size(); ++i)
        givenNumerator_[i]->setText(QString::fromStdString(exercise_.numeratorDigits()[i]));
    for (std::size_t i = 0; i < exercise_.denominatorDigits().size(); ++i) {
        givenDenominator_[i]->setText(QString::fromStdString(exercise_.denominatorDigits()[i]));
        complementDenominator_[i].show();
    }
    for (std::size_t i = 0; i < exercise_.complementDigits().size(); ++i)
        complementNumerator_[i].show();

    for (int part : exercise_.wholeParts()) {
        shapes_[slot(part)]->setVisible(true);
        Label* target = targets_[slot(part)];
        target->show();
        target->setEnabled(exercise_.partReachable(part));
    }
}

void FractionConceptScreen::check()
{
    const auto result = exercise_.check({complementNumerator_.texts(), complementDenominator_.texts()});
    for (int part : result.whitenedParts)
        shapes_[slot(part)]->setFill(colour::White);
    complementNumerator_.mark(result.numeratorWrong);
    complementDenominator_.mark(result.denominatorWrong);
}

void FractionConceptScreen::evaluated(const Evaluation&)
{
    // The figures behind the grade, printed on the page for the teacher.
    const ExerciseFamily family = ExerciseFamily::FractionConcept;
    page().printLine(QString::fromStdString(diagnosticLine({tally().gradeTotal(), board().grade(family),
                                                            exercise_.checks().checksDone(),
                                                            board().presentedCount(family), tally().evaluations()})));
}

std::unique_ptr<Screen> makeFractionConceptScreen(Services& services) { return std::make_unique<FractionConceptScreen>(services); }

}  // namespace quillo
