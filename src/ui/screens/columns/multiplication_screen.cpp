#include "ui/screens/columns/multiplication_screen.h"

#include "ui/kit/family_screens.h"
#include "ui/kit/column_row.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/selector.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/page.h"

namespace quillo {

namespace {

using Kind = MultiplierKind;

constexpr int kRuleWidth = 3;
constexpr int kHeadersTop = 1320;

struct LineDesign {
    int top;
    const char* name;  // its cells are <name>Digit1 for the units, Digit2 leftwards...
    int cells;         // from the units leftwards
    const char* role;
};

// In the order of the screen's lines. The products stand under two partial
// products, under three, and straight under a round multiplier.
constexpr std::array<LineDesign, 8> kLines{{
    {.top = 1680, .name = "multiplicand", .cells = MultiplicationExercise::kOperandSlots, .role = "Moltiplicando"},
    {.top = 2280, .name = "multiplier", .cells = MultiplicationExercise::kOperandSlots, .role = "Moltiplicatore"},
    {.top = 3480, .name = "partialProduct1", .cells = 4, .role = "Prodotto parziale 1"},
    {.top = 4080, .name = "partialProduct2", .cells = 5, .role = "Prodotto parziale 2"},
    {.top = 4680, .name = "partialProduct3", .cells = 6, .role = "Prodotto parziale 3"},
    {.top = 5280, .name = "productOfTwo", .cells = 6, .role = "Prodotto"},
    {.top = 5880, .name = "productOfThree", .cells = 6, .role = "Prodotto"},
    {.top = 3480, .name = "productOfZeroEnding", .cells = 6, .role = "Prodotto"},
}};

struct KindSelector {
    Kind kind;
    const char* name;
    const char* text;
    const char* tooltip;
    Colour background;
    int x;
};

constexpr KindSelector kSelectors[] = {
    {.kind = Kind::TwoDigit, .name = "twoDigitMultiplier", .text = "2", .tooltip = "Moltiplicatore di due cifre",
     .background = 0xFCDFFD, .x = 7440},
    {.kind = Kind::ThreeDigit, .name = "threeDigitMultiplier", .text = "3", .tooltip = "Moltiplicatore di tre cifre",
     .background = 0xE2D8EF, .x = 8040},
    {.kind = Kind::ZeroEnding, .name = "zeroEndingMultiplier", .text = "P", .tooltip = "Moltiplicatore con u=0 o u=0 e da=0",
     .background = 0xCAD0F4, .x = 8640},
};

// Rules of each kind, top to bottom: under the multiplier, under the last
// partial product, and the double rule under the product.
const std::vector<int> kRuleRows[] = {
    {3120, 4920, 6000, 6120},  // TwoDigit
    {3120, 5520, 6600, 6720},  // ThreeDigit
    {3120, 4200, 4320},        // ZeroEnding
};


std::size_t at(auto value) { return static_cast<std::size_t>(value); }

ExerciseLayout layout()
{
    return {
        // The title stands on the first ruled line, larger than elsewhere.
        .instructionPlace = {240, 480, 9012, 612},
        .instructionFont = {Face::Script, 24, true},
        .instructionInk = colour::Blue,
        .newExercise = {8040, 5280, kCellSize, kCellSize},
        .check = {7680, 3720, 1332, 372},
        .evaluate = {840, 1920, 1812, 372},
        .verdict = {240, 2280, 3012, 612},
        .verdictBackground = colour::LightCyan,
        // A product of three partial products fills the last whole row, and
        // its double rule closes it below.
        .paperToTheBottomEdge = true,
    };
}
}  // namespace

MultiplicationScreen::MultiplicationScreen(Services& services)
    : FamilyScreen(services, ExerciseFamily::Multiplication, layout())
{
}

void MultiplicationScreen::build(Page& page)
{
    // The double rule under a product of three partial products runs across
    // the strip where the footer usually stands: the footer steps aside.
    if (auto* footer = page.findChild<Label*>(QStringLiteral("footer")))
        page.moveTo(footer, {6840, 6480, 2412, 390});
    page.setFontOf(&verdictBox(), {Face::Script, 19.5, true});
    verdictBox().setColours(colour::LightCyan, colour::DarkBlue);

    for (int column = kPlaceColumns; column >= 1; --column) {
        const QString caption = toQString(placeHeader(column));
        auto* header = addLabel(QStringLiteral("placeHeader%1").arg(column),
                                {columnLeft(column), kHeadersTop, kCellSize, 360}, caption, {Face::Arial, 10.5, true});
        header->setAlignment(Qt::AlignCenter);
        header->setTextColour(placeHeaderColour(column));
    }
    buildCells();
    buildSigns();
    buildRules();
    buildSelectors();

    zeroEndingHint_ = addLabel(QStringLiteral("zeroEndingHint"), {6840, 2280, 2412, 612},
                               QStringLiteral("Per esercitarsi con moltiplicazioni di questo tipo  premere il pulsante P"),
                               {Face::Arial, 7.5, true});
    zeroEndingHint_->setAlignment(Qt::AlignCenter);
    zeroEndingHint_->setWordWrap(true);
    zeroEndingHint_->setTextColour(colour::Blue);

    // Until a kind is chosen the paper shows the two empty operands and
    // their signs, and nothing to fill.
    for (Line line : kAnswerLines)
        row(line).setVisible(false);
    for (std::size_t i = 2; i < signs_.size(); ++i)
        signs_[i]->hide();
    for (const auto& kindRules : rules_)
        for (LineShape* rule : kindRules)
            rule->setVisible(false);
    zeroEndingHint_->hide();
}

void MultiplicationScreen::buildCells()
{
    for (std::size_t line = 0; line < kLines.size(); ++line) {
        const LineDesign& design = kLines[line];
        for (int slot = 1; slot <= design.cells; ++slot) {
            DigitCell* cell =
                addCell(QStringLiteral("%1Digit%2").arg(toQString(design.name)).arg(slot), {columnLeft(slot), design.top});
            cell->setAccessibleName(QStringLiteral("%1, cifra %2").arg(QString::fromUtf8(design.role)).arg(slot));
            lines_[line].set(at(slot - 1), cell);
        }
    }
    row(Line::Multiplicand).makeGiven();
    row(Line::Multiplier).makeGiven();

    for (Kind kind : {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding}) {
        row(productLine(kind)).forEach([this, kind](DigitCell& cell, std::size_t index) {
            const int slot = static_cast<int>(index) + 1;
            cell.afterFilter = [this, kind, slot](int, bool) { onProductKey(kind, slot); };
        });
    }
}

void MultiplicationScreen::buildSigns()
{
    const struct {
        int top;
        const char* caption;
    } signs[] = {{1680, "X"}, {2280, "="}, {3480, "+"}, {4080, "+="}, {4680, "="}};
    for (std::size_t i = 0; i < signs_.size(); ++i) {
        // One sign on each of the first lines, before their digits.
        auto* sign = addLabel(toQString(kLines[i].name) + QStringLiteral("Sign"),
                              {kSignColumnLeft, signs[i].top + 120, kCellSize, kCellSize},
                              toQString(signs[i].caption), kSignFont);
        sign->setAlignment(Qt::AlignCenter);
        sign->setTextColour(colour::Blue);
        signs_[i] = sign;
    }
}

void MultiplicationScreen::buildRules()
{
    for (std::size_t kind = 0; kind < rules_.size(); ++kind) {
        rules_[kind].clear();
        for (int y : kRuleRows[kind])
            rules_[kind].push_back(
                page().addLine({ruleLeft(kPlaceColumns), y}, {kRuleRight, y}, kRuleWidth, colour::Black));
    }
}

void MultiplicationScreen::buildSelectors()
{
    auto* caption = addLabel(QStringLiteral("multiplierDigitsCaption"), {7440, 4440, 1812, 372},
                             QStringLiteral("Cifre moltiplicatore"), {Face::Script, 10, true});
    // The selectors overlap its lower edge; the words keep clear of them.
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setTextColour(colour::Blue);
    for (std::size_t i = 0; i < std::size(kSelectors); ++i) {
        const KindSelector& selector = kSelectors[i];
        addKindSelector({.name = toQString(selector.name),
                         .place = cellAt(selector.x, 4680),
                         .text = toQString(selector.text),
                         .tooltip = toQString(selector.tooltip),
                         .background = selector.background,
                         .font = kCellFont,
                         .framed = false},
                        [this, kind = selector.kind] { selectKind(kind); });
    }
}

void MultiplicationScreen::selectKind(Kind kind)
{
    verdictBox().clear();
    zeroEndingHint_->hide();
    if (const std::optional<Kind> stale = exercise_.selectKind(kind))
        emptyLayout(*stale);
    kindChosen();
    for (Line line : kAnswerLines)
        row(line).resetColours();

    signs_[0]->show();
    signs_[1]->show();
    switch (kind) {
    case Kind::TwoDigit:
        signs_[2]->show();
        signs_[3]->setText(QStringLiteral("="));
        signs_[3]->show();
        signs_[4]->hide();
        break;
    case Kind::ThreeDigit:
        signs_[2]->show();
        signs_[3]->setText(QStringLiteral("+"));
        signs_[3]->show();
        signs_[4]->setText(QStringLiteral("="));
        signs_[4]->show();
        break;
    case Kind::ZeroEnding:
        for (std::size_t i = 2; i < signs_.size(); ++i)
            signs_[i]->hide();
        break;
    }

    for (Kind other : {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding})
        for (LineShape* rule : rules_[at(other)])
            rule->setVisible(other == kind);
    moveRules(kind, ruleLeft(kPlaceColumns));

    switch (kind) {
    case Kind::TwoDigit:
        row(Line::Partial3).setVisible(false);
        row(Line::ProductOfThree).setVisible(false);
        row(Line::ProductOfZeroEnding).setVisible(false);
        break;
    case Kind::ThreeDigit:
        row(Line::ProductOfTwo).setVisible(false);
        row(Line::ProductOfZeroEnding).setVisible(false);
        break;
    case Kind::ZeroEnding:
        for (Line line : {Line::Multiplicand, Line::Multiplier, Line::ProductOfZeroEnding}) {
            row(line).setVisible(true);
            row(line).clear();
        }
        for (Line line : {Line::Partial1, Line::Partial2, Line::Partial3, Line::ProductOfTwo, Line::ProductOfThree})
            row(line).setVisible(false);
        break;
    }
}

void MultiplicationScreen::newExercise()
{
    verdictBox().clear();
    exercise_.present(random());
    showExercise();
}

void MultiplicationScreen::showExercise()
{
    const Kind kind = exercise_.kind();

    // Only the rows of this kind stand on the paper, so no two cells ever
    // share a square.
    for (Line line : kAnswerLines)
        row(line).setVisible(false);
    row(Line::Multiplicand).showDigits(exercise_.multiplicandDigits());
    row(Line::Multiplier).showDigits(exercise_.multiplierDigits());
    for (WorkRow work : exercise_.workRows()) {
        const ColumnRow& cells = row(lineOf(work, kind));
        cells.reset();
        cells.forEach([this, work](DigitCell& cell, std::size_t index) {
            cell.setVisible(!exercise_.expected(work, static_cast<int>(index) + 1).empty());
        });
    }
    moveRules(kind, ruleLeft(exercise_.productLength()));
    zeroEndingHint_->setVisible(exercise_.showsZeroEndingHint());

    // The pupil starts from the units of the first row to write.
    cellOf(lineOf(exercise_.workRows().front(), kind), 1).setFocus();
}

void MultiplicationScreen::onProductKey(Kind kind, int slot) const
{
    if (exercise_.opensCheck(kind, slot))
        checkButton().setEnabled(true);
}

void MultiplicationScreen::check()
{
    const auto wrong = exercise_.check([this](WorkCell cell) { return cellOf(cell).text().toStdString(); });
    for (const WorkCell& cell : wrong)
        cellOf(cell).markWrong();
}

std::vector<const LineShape*> MultiplicationScreen::rules(Kind kind) const
{
    const auto& kindRules = rules_[at(kind)];
    return {kindRules.begin(), kindRules.end()};
}

void MultiplicationScreen::emptyLayout(Kind kind) const
{
    row(Line::Multiplicand).clear();
    row(Line::Multiplier).clear();
    row(Line::Partial1).clear();
    row(Line::Partial2).clear();
    if (kind == Kind::ThreeDigit)
        row(Line::Partial3).clear();
    row(productLine(kind)).clear();
}

void MultiplicationScreen::moveRules(Kind kind, int fromX) const
{
    for (LineShape* rule : rules_[at(kind)])
        rule->setFrom({fromX, rule->from().y});
}

MultiplicationScreen::Line MultiplicationScreen::productLine(Kind kind)
{
    switch (kind) {
    case Kind::TwoDigit: return Line::ProductOfTwo;
    case Kind::ThreeDigit: return Line::ProductOfThree;
    case Kind::ZeroEnding: return Line::ProductOfZeroEnding;
    }
    return Line::ProductOfTwo;
}

MultiplicationScreen::Line MultiplicationScreen::lineOf(WorkRow row, Kind kind)
{
    switch (row) {
    case WorkRow::Partial1: return Line::Partial1;
    case WorkRow::Partial2: return Line::Partial2;
    case WorkRow::Partial3: return Line::Partial3;
    case WorkRow::Product: return productLine(kind);
    }
    return Line::Partial1;
}

std::unique_ptr<Screen> makeMultiplicationScreen(Services& services) { return std::make_unique<MultiplicationScreen>(services); }

}  // namespace quillo
