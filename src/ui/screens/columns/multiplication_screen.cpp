#include "ui/screens/columns/multiplication_screen.h"

#include "core/kit/standard_texts.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/page.h"

namespace quillo {

namespace {

using Kind = MultiplierKind;

constexpr Colour kVerdictPaper = 0xFFFFC0;
constexpr Colour kVerdictInk = 0xC00000;

// The "us" column; every slot further left is one square further left.
constexpr int kUnitsX = 5640;
constexpr int kSignX = 6240;
constexpr int kRuleEnd = 6840;
constexpr int kRuleWidth = 3;

constexpr int columnX(int slot) { return kUnitsX - kSquare * (slot - 1); }

// Where a rule starts: one square left of the product's leading digit.
constexpr int ruleStart(int productLength) { return 2040 + kSquare * (6 - productLength); }

struct LineDesign {
    int top;
    int firstText;  // design name of the units cell: Text<firstText>
    int slots;
};

// Indexed by MultiplicationScreen::Line.
constexpr LineDesign kLineDesigns[] = {
    {1680, 1, 3},   // multiplicand
    {2280, 4, 3},   // multiplier
    {3480, 7, 4},   // first partial product
    {4080, 11, 5},  // second partial product
    {4680, 16, 6},  // third partial product
    {5280, 30, 6},  // product under two partial products
    {5880, 22, 6},  // product under three partial products
    {3480, 37, 6},  // product of a round multiplier, straight under it
};

struct HeaderDesign {
    const char* caption;
    Colour colour;
};

// Column headings, from hundreds of thousands to units.
constexpr HeaderDesign kHeaders[] = {
    {"hk", 0x00C000}, {"dak", 0x0080FF}, {"uk", 0xFF8080}, {"hs", 0x008000}, {"das", 0x0000FF}, {"us", 0xFF0000},
};

struct SelectorDesign {
    Kind kind;
    const char* name;
    const char* text;
    const char* tooltip;
    Colour background;
    int x;
};

constexpr SelectorDesign kSelectors[] = {
    {Kind::TwoDigit, "KindSelector2", "2", "Moltiplicatore di due cifre", 0xFCDFFD, 7440},
    {Kind::ThreeDigit, "KindSelector3", "3", "Moltiplicatore di tre cifre", 0xE2D8EF, 8040},
    {Kind::ZeroEnding, "KindSelectorP", "P", "Moltiplicatore con u=0 o u=0 e da=0", 0xCAD0F4, 8640},
};

// Rules of each kind, top to bottom: under the multiplier, under the last
// partial product, and the double rule under the product.
const std::vector<int> kRuleRows[] = {
    {3120, 4920, 6000, 6120},  // TwoDigit
    {3120, 5520, 6600, 6720},  // ThreeDigit
    {3120, 4200, 4320},        // ZeroEnding
};

constexpr FontSpec kHeaderFont{Face::Arial, 10, true};
constexpr FontSpec kHintFont{Face::Arial, 8, true};
constexpr FontSpec kTitleFont{Face::Script, 24, true};
constexpr FontSpec kVerdictFont{Face::Script, 20, true};
constexpr FontSpec kSelectorsCaptionFont{Face::Script, 10, true};

std::size_t at(auto value) { return static_cast<std::size_t>(value); }


}  // namespace

MultiplicationScreen::MultiplicationScreen(Services& services)
    : ExerciseScreen(services, ExerciseFamily::Multiplication)
{
}

ExerciseLayout MultiplicationScreen::layout() const
{
    ExerciseLayout look;
    look.caption = toQString(kCaptionPrefix) + QStringLiteral("Moltiplicazioni col moltiplicatore di due o tre cifre");
    look.instruction = QStringLiteral("Esegui la seguente moltiplicazione in colonna:");
    look.newExercise = {8040, 5280, kCellSize, kCellSize};
    look.check = {7680, 3720, 1332, 372};
    look.evaluate = {840, 1920, 1812, 372};
    look.verdict = {240, 2280, 3012, 612};
    look.newExerciseColour = colour::Green;
    look.checkColour = colour::LightGreen;
    look.evaluateColour = colour::LightGreen;
    return look;
}

void MultiplicationScreen::build(Page& page)
{
    // The title stands on the first ruled line, larger than elsewhere.
    if (auto* title = page.findChild<Label*>(QStringLiteral("Instruction"))) {
        page.moveTo(title, {240, 480, 9012, 612});
        page.setFontOf(title, kTitleFont);
        title->setTextColour(colour::Blue);
    }
    // The double rule under a product of three partial products runs below
    // the paper, where the footer usually stands: the footer steps aside.
    if (auto* footer = page.findChild<Label*>(QStringLiteral("Footer")))
        page.moveTo(footer, {6840, 6480, 2412, 390});
    page.setFontOf(&verdictBox(), kVerdictFont);
    verdictBox().setColours(kVerdictPaper, kVerdictInk);

    for (std::size_t i = 0; i < std::size(kHeaders); ++i) {
        const int x = columnX(6 - static_cast<int>(i));
        auto* header = addLabel(QStringLiteral("Header_%1").arg(toQString(kHeaders[i].caption)), {x, 1320, kCellSize, 360},
                                toQString(kHeaders[i].caption), kHeaderFont);
        header->setAlignment(Qt::AlignCenter);
        header->setTextColour(kHeaders[i].colour);
    }
    buildCells();
    buildSigns();
    buildRules();
    buildSelectors();

    zeroEndingHint_ = addLabel(QStringLiteral("ZeroEndingHint"), {6840, 2280, 2412, 612},
                               QStringLiteral("Per esercitarsi con moltiplicazioni di questo tipo  premere il pulsante P"),
                               kHintFont);
    zeroEndingHint_->setAlignment(Qt::AlignCenter);
    zeroEndingHint_->setWordWrap(true);
    zeroEndingHint_->setTextColour(colour::Blue);
}

void MultiplicationScreen::buildCells()
{
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        const LineDesign& design = kLineDesigns[line];
        auto& cells = lines_[line];
        cells.clear();
        const bool operand = line == at(Line::Multiplicand) || line == at(Line::Multiplier);
        for (int slot = 1; slot <= design.slots; ++slot) {
            auto* cell = addCell(QStringLiteral("Text%1").arg(design.firstText + slot - 1), {columnX(slot), design.top});
            if (operand) {
                // Given digits: shown in a cell, but never typed over.
                cell->setReadOnly(true);
                cell->onKeyPress = nullptr;
                cell->setFocusPolicy(Qt::NoFocus);
            }
            cells.push_back(cell);
        }
    }
    for (Kind kind : {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding}) {
        const auto& product = lines_[at(productLine(kind))];
        for (int slot = 1; slot <= static_cast<int>(product.size()); ++slot)
            product[at(slot - 1)]->afterFilter = [this, kind, slot](int, bool) { onProductKey(kind, slot); };
    }
}

void MultiplicationScreen::buildSigns()
{
    const struct {
        int top;
        const char* caption;
    } signs[] = {{1680, "X"}, {2280, "="}, {3480, "+"}, {4080, "+="}, {4680, "="}};
    for (std::size_t i = 0; i < signs_.size(); ++i) {
        auto* sign = addLabel(QStringLiteral("Label%1").arg(8 + i), {kSignX, signs[i].top + 120, kCellSize, kCellSize},
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
            rules_[kind].push_back(page().addLine({2040, y}, {kRuleEnd, y}, kRuleWidth, colour::Black));
    }
}

void MultiplicationScreen::buildSelectors()
{
    auto* caption = addLabel(QStringLiteral("KindSelectorsCaption"), {7440, 4440, 1812, 372},
                             QStringLiteral("Cifre moltiplicatore"), kSelectorsCaptionFont);
    // The selectors overlap its lower edge; the words keep clear of them.
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setTextColour(colour::Blue);
    for (std::size_t i = 0; i < std::size(kSelectors); ++i) {
        const SelectorDesign& design = kSelectors[i];
        auto* selector = page().add<TextBox>(toQString(design.name), cellAt(design.x, 4680), kCellFont);
        selector->setText(toQString(design.text));
        selector->setToolTip(toQString(design.tooltip));
        selector->setAccessibleName(toQString(design.tooltip));
        selector->setReadOnly(true);
        selector->setFrame(false);
        selector->setAlignment(Qt::AlignCenter);
        selector->setFocusPolicy(Qt::NoFocus);
        selector->setCursor(Qt::PointingHandCursor);
        selector->setColours(design.background, colour::Blue);
        const Kind kind = design.kind;
        QObject::connect(selector, &TextBox::clicked, selector, [this, kind] { selectKind(kind); });
        selectors_[i] = selector;
    }
}

void MultiplicationScreen::load()
{
    enableButtons(false, false, false);
    enableSelectors(true);
    // Until a kind is chosen the paper shows the two empty operands and
    // their signs, and nothing to fill.
    for (Line line : {Line::Partial1, Line::Partial2, Line::Partial3, Line::ProductOfTwo, Line::ProductOfThree,
                      Line::ProductOfZeroEnding})
        showLine(line, false);
    for (std::size_t i = 2; i < signs_.size(); ++i)
        signs_[i]->hide();
    for (const auto& kindRules : rules_)
        for (LineShape* rule : kindRules)
            rule->setVisible(false);
    zeroEndingHint_->hide();
}

void MultiplicationScreen::selectKind(Kind kind)
{
    enableButtons(true, false, false);
    verdictBox().clear();
    zeroEndingHint_->hide();
    // The exercise on the paper is over: its cells no longer lead to a check.
    exercise_.reset();

    if (kind != Kind::ZeroEnding) {
        if (zeroEndingSelected_)
            lastMultiplierLength_ = 0;
        if (lastMultiplierLength_ == 2)
            emptyLayout(Kind::TwoDigit);
        else if (lastMultiplierLength_ == 3)
            emptyLayout(Kind::ThreeDigit);
    }
    for (std::size_t line = at(Line::Partial1); line < lines_.size(); ++line)
        for (DigitCell* cell : lines_[line])
            cell->resetColours();

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
    moveRules(kind, 2040);

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

    selectedKind_ = kind;
    zeroEndingSelected_ = kind == Kind::ZeroEnding;
}

void MultiplicationScreen::newExercise()
{
    if (!selectedKind_)
        return;
    verdictBox().clear();
    enableButtons(false, false, false);
    enableSelectors(false);
    notePresented();
    zeroEndingHint_->hide();
    exercise_ = MultiplicationExercise::draw(*selectedKind_, random());
    lastMultiplierLength_ = exercise_->multiplierLength();
    showExercise();
}

void MultiplicationScreen::showExercise()
{
    const MultiplicationExercise& exercise = *exercise_;
    const Kind kind = exercise.kind();

    // Only the rows of this kind stand on the paper, so no two cells ever
    // share a square.
    for (Line line : {Line::Partial1, Line::Partial2, Line::Partial3, Line::ProductOfTwo, Line::ProductOfThree,
                      Line::ProductOfZeroEnding})
        showLine(line, false);
    for (Line line : {Line::Multiplicand, Line::Multiplier}) {
        emptyLine(line);
        const auto& cells = lines_[at(line)];
        for (int slot = 1; slot <= static_cast<int>(cells.size()); ++slot) {
            const std::string& digit =
                line == Line::Multiplicand ? exercise.multiplicandDigit(slot) : exercise.multiplierDigit(slot);
            cells[at(slot - 1)]->setText(QString::fromStdString(digit));
            cells[at(slot - 1)]->setVisible(!digit.empty());
        }
    }
    for (WorkRow row : exercise.workRows()) {
        const Line line = lineOf(row, kind);
        emptyLine(line);
        const auto& cells = lines_[at(line)];
        for (int slot = 1; slot <= static_cast<int>(cells.size()); ++slot) {
            cells[at(slot - 1)]->resetColours();
            cells[at(slot - 1)]->setVisible(!exercise.expected(row, slot).empty());
        }
    }
    moveRules(kind, ruleStart(exercise.productLength()));
    zeroEndingHint_->setVisible(exercise.showsZeroEndingHint());

    // The pupil starts from the units of the first row to write.
    const WorkRow first = exercise.workRows().front();
    cellOf(lineOf(first, kind), 1)->setFocus();
}

void MultiplicationScreen::onProductKey(Kind kind, int slot) const
{
    if (exercise_ && exercise_->kind() == kind && exercise_->productLength() == slot)
        checkButton().setEnabled(true);
}

void MultiplicationScreen::check()
{
    if (!exercise_)
        return;
    if (awaitingEvaluation())
        evaluateButton().setEnabled(true);
    const Kind kind = exercise_->kind();
    const auto wrong = exercise_->check(
        [this, kind](WorkCell cell) { return cellOf(lineOf(cell.row, kind), cell.slot)->text().toStdString(); });
    if (exercise_->checksDone() == 1)
        checkButton().setEnabled(false);
    for (const WorkCell& cell : wrong)
        cellOf(lineOf(cell.row, kind), cell.slot)->markWrong();
}

void MultiplicationScreen::evaluate()
{
    if (!exercise_ || !exercise_->verdict())
        return;
    checkButton().setEnabled(true);
    evaluateButton().setEnabled(false);
    enableSelectors(true);
    const VerdictWord word = *exercise_->verdict();
    const bool negative = MultiplicationExercise::isNegative(word);
    showVerdict(word, negative);
    // This screen's verdict box keeps its own paper under either ink.
    verdictBox().setColours(kVerdictPaper, negative ? colour::Red : colour::Blue);
    recordEvaluation(*exercise_->grade());
}

std::vector<const LineShape*> MultiplicationScreen::rules(Kind kind) const
{
    const auto& kindRules = rules_[at(kind)];
    return {kindRules.begin(), kindRules.end()};
}

void MultiplicationScreen::enableSelectors(bool enabled) const
{
    for (TextBox* selector : selectors_)
        selector->setEnabled(enabled);
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
    for (DigitCell* cell : lines_[at(line)])
        cell->setVisible(visible);
}

void MultiplicationScreen::emptyLine(Line line) const
{
    for (DigitCell* cell : lines_[at(line)])
        cell->clear();
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

DigitCell* MultiplicationScreen::cellOf(Line line, int slot) const
{
    return lines_[at(line)][at(slot - 1)];
}

}  // namespace quillo
