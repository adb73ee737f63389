#include "ui/screens/columns/multiplication_screen.h"

#include "core/kit/standard_texts.h"
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
    int unitsName;  // the units cell is Text<unitsName>, each column leftwards the next number
    const char* role;
};

constexpr LineDesign kMultiplicandLine{.top = 1680, .unitsName = 1, .role = "Moltiplicando"};
constexpr LineDesign kMultiplierLine{.top = 2280, .unitsName = 4, .role = "Moltiplicatore"};
constexpr LineDesign kPartial1Line{.top = 3480, .unitsName = 7, .role = "Prodotto parziale 1"};
constexpr LineDesign kPartial2Line{.top = 4080, .unitsName = 11, .role = "Prodotto parziale 2"};
constexpr LineDesign kPartial3Line{.top = 4680, .unitsName = 16, .role = "Prodotto parziale 3"};
// The product under two partial products, under three, and straight under
// a round multiplier.
constexpr LineDesign kProductOfTwoLine{.top = 5280, .unitsName = 30, .role = "Prodotto"};
constexpr LineDesign kProductOfThreeLine{.top = 5880, .unitsName = 22, .role = "Prodotto"};
constexpr LineDesign kProductOfZeroEndingLine{.top = 3480, .unitsName = 37, .role = "Prodotto"};

struct KindSelector {
    Kind kind;
    const char* name;
    const char* text;
    const char* tooltip;
    Colour background;
    int x;
};

constexpr KindSelector kSelectors[] = {
    {.kind = Kind::TwoDigit, .name = "KindSelector2", .text = "2", .tooltip = "Moltiplicatore di due cifre",
     .background = 0xFCDFFD, .x = 7440},
    {.kind = Kind::ThreeDigit, .name = "KindSelector3", .text = "3", .tooltip = "Moltiplicatore di tre cifre",
     .background = 0xE2D8EF, .x = 8040},
    {.kind = Kind::ZeroEnding, .name = "KindSelectorP", .text = "P", .tooltip = "Moltiplicatore con u=0 o u=0 e da=0",
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

template <std::size_t N>
constexpr int cellCount(const CellSeries<N>&)
{
    return static_cast<int>(N);
}

ExerciseLayout layout()
{
    return {
        .caption = toQString(kCaptionPrefix) + QStringLiteral("Moltiplicazioni col moltiplicatore di due o tre cifre"),
        .instruction = QStringLiteral("Esegui la seguente moltiplicazione in colonna:"),
        .newExercise = {8040, 5280, kCellSize, kCellSize},
        .check = {7680, 3720, 1332, 372},
        .evaluate = {840, 1920, 1812, 372},
        .verdict = {240, 2280, 3012, 612},
        .verdictBackground = colour::LightCyan,
    };
}
}  // namespace

MultiplicationScreen::MultiplicationScreen(Services& services)
    : FamilyScreen(services, ExerciseFamily::Multiplication, layout())
{
}

template <typename F>
void MultiplicationScreen::forLine(Line line, F&& f) const
{
    switch (line) {
    case Line::Multiplicand: return f(lines_.multiplicand);
    case Line::Multiplier: return f(lines_.multiplier);
    case Line::Partial1: return f(lines_.partial1);
    case Line::Partial2: return f(lines_.partial2);
    case Line::Partial3: return f(lines_.partial3);
    case Line::ProductOfTwo: return f(lines_.productOfTwo);
    case Line::ProductOfThree: return f(lines_.productOfThree);
    case Line::ProductOfZeroEnding: return f(lines_.productOfZeroEnding);
    }
}

void MultiplicationScreen::build(Page& page)
{
    // The title stands on the first ruled line, larger than elsewhere.
    Label& title = instructionLabel();
    page.moveTo(&title, {240, 480, 9012, 612});
    page.setFontOf(&title, {Face::Script, 24, true});
    title.setTextColour(colour::Blue);
    // The double rule under a product of three partial products runs below
    // the paper, where the footer usually stands: the footer steps aside.
    if (auto* footer = page.findChild<Label*>(QStringLiteral("Footer")))
        page.moveTo(footer, {6840, 6480, 2412, 390});
    page.setFontOf(&verdictBox(), {Face::Script, 19.5, true});
    verdictBox().setColours(colour::LightCyan, colour::DarkBlue);

    for (int column = kPlaceColumns; column >= 1; --column) {
        const QString caption = toQString(placeHeader(column));
        auto* header = addLabel(QStringLiteral("Header_") + caption, {columnLeft(column), kHeadersTop, kCellSize, 360},
                                caption, {Face::Arial, 10.5, true});
        header->setAlignment(Qt::AlignCenter);
        header->setTextColour(placeHeaderColour(column));
    }
    buildCells();
    buildSigns();
    buildRules();
    buildSelectors();

    zeroEndingHint_ = addLabel(QStringLiteral("ZeroEndingHint"), {6840, 2280, 2412, 612},
                               QStringLiteral("Per esercitarsi con moltiplicazioni di questo tipo  premere il pulsante P"),
                               {Face::Arial, 7.5, true});
    zeroEndingHint_->setAlignment(Qt::AlignCenter);
    zeroEndingHint_->setWordWrap(true);
    zeroEndingHint_->setTextColour(colour::Blue);

    // Until a kind is chosen the paper shows the two empty operands and
    // their signs, and nothing to fill.
    for (Line line : kAnswerLines)
        showLine(line, false);
    for (std::size_t i = 2; i < signs_.size(); ++i)
        signs_[i]->hide();
    for (const auto& kindRules : rules_)
        for (LineShape* rule : kindRules)
            rule->setVisible(false);
    zeroEndingHint_->hide();
}

void MultiplicationScreen::buildCells()
{
    const auto addLine = [this]<std::size_t N>(CellSeries<N>& series, const LineDesign& design) {
        for (int slot = 1; slot <= static_cast<int>(N); ++slot) {
            DigitCell* cell =
                addCell(QStringLiteral("Text%1").arg(design.unitsName + slot - 1), {columnLeft(slot), design.top});
            cell->setAccessibleName(QStringLiteral("%1, cifra %2").arg(QString::fromUtf8(design.role)).arg(slot));
            series.set(at(slot - 1), cell);
        }
    };
    addLine(lines_.multiplicand, kMultiplicandLine);
    addLine(lines_.multiplier, kMultiplierLine);
    addLine(lines_.partial1, kPartial1Line);
    addLine(lines_.partial2, kPartial2Line);
    addLine(lines_.partial3, kPartial3Line);
    addLine(lines_.productOfTwo, kProductOfTwoLine);
    addLine(lines_.productOfThree, kProductOfThreeLine);
    addLine(lines_.productOfZeroEnding, kProductOfZeroEndingLine);
    lines_.multiplicand.makeGiven();
    lines_.multiplier.makeGiven();

    for (Kind kind : {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding}) {
        forLine(productLine(kind), [this, kind](const auto& product) {
            for (int slot = 1; slot <= cellCount(product); ++slot)
                product[at(slot - 1)].afterFilter = [this, kind, slot](int, bool) { onProductKey(kind, slot); };
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
        auto* sign = addLabel(QStringLiteral("Label%1").arg(8 + i),
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
    auto* caption = addLabel(QStringLiteral("KindSelectorsCaption"), {7440, 4440, 1812, 372},
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
        forLine(line, [](const auto& cells) { cells.resetColours(); });

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
        showLine(Line::Partial3, false);
        showLine(Line::ProductOfThree, false);
        showLine(Line::ProductOfZeroEnding, false);
        break;
    case Kind::ThreeDigit:
        showLine(Line::ProductOfTwo, false);
        showLine(Line::ProductOfZeroEnding, false);
        break;
    case Kind::ZeroEnding:
        for (Line line : {Line::Multiplicand, Line::Multiplier, Line::ProductOfZeroEnding}) {
            showLine(line, true);
            emptyLine(line);
        }
        for (Line line : {Line::Partial1, Line::Partial2, Line::Partial3, Line::ProductOfTwo, Line::ProductOfThree})
            showLine(line, false);
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
        showLine(line, false);
    lines_.multiplicand.showDigits(exercise_.multiplicandDigits());
    lines_.multiplier.showDigits(exercise_.multiplierDigits());
    for (WorkRow row : exercise_.workRows()) {
        forLine(lineOf(row, kind), [this, row](const auto& cells) {
            cells.reset();
            for (int slot = 1; slot <= cellCount(cells); ++slot)
                cells[at(slot - 1)].setVisible(!exercise_.expected(row, slot).empty());
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
    emptyLine(Line::Multiplicand);
    emptyLine(Line::Multiplier);
    emptyLine(Line::Partial1);
    emptyLine(Line::Partial2);
    if (kind == Kind::ThreeDigit)
        emptyLine(Line::Partial3);
    emptyLine(productLine(kind));
}

void MultiplicationScreen::moveRules(Kind kind, int fromX) const
{
    for (LineShape* rule : rules_[at(kind)])
        rule->setFrom({fromX, rule->from().y});
}

void MultiplicationScreen::showLine(Line line, bool visible) const
{
    forLine(line, [visible](const auto& cells) { cells.setVisible(visible); });
}

void MultiplicationScreen::emptyLine(Line line) const
{
    forLine(line, [](const auto& cells) { cells.clear(); });
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

DigitCell& MultiplicationScreen::cellOf(Line line, int slot) const
{
    DigitCell* cell = nullptr;
    forLine(line, [&cell, slot](const auto& cells) { cell = &cells[at(slot - 1)]; });
    return *cell;
}

}  // namespace quillo
