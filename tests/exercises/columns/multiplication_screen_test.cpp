#include "exercises/columns/multiplication_screen.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"
#include "toolkit/shapes.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cstring>
#include <random>

namespace quillo::testing {
namespace {

using Kind = MultiplierKind;
constexpr Kind kKinds[] = {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding};
constexpr Colour kCellColour = 0xCCECEE;

// Design names of the units cell of each row the pupil writes.
constexpr int kPartial1 = 7;
constexpr int kPartial2 = 11;
constexpr int kPartial3 = 16;
constexpr int kProductOfThree = 22;
constexpr int kProductOfTwo = 30;
constexpr int kProductOfZeroEnding = 37;

QString text(int number) { return QStringLiteral("Text%1").arg(number); }

QString selectorOf(Kind kind)
{
    return QStringLiteral("KindSelector") +
           (kind == Kind::TwoDigit ? QStringLiteral("2") : kind == Kind::ThreeDigit ? QStringLiteral("3") : QStringLiteral("P"));
}

int productRowOf(Kind kind)
{
    return kind == Kind::TwoDigit ? kProductOfTwo : kind == Kind::ThreeDigit ? kProductOfThree : kProductOfZeroEnding;
}

QSet<QString> row(int unitsCell, int length)
{
    QSet<QString> names;
    for (int i = 0; i < length; ++i)
        names.insert(text(unitsCell + i));
    return names;
}

// The program opened on the multiplication screen, with a scripted source
// that decides the next exercise.
struct MultiplicationApp : Harness {
    const QString ok = QStringLiteral("NewExerciseButton");
    const QString check = QStringLiteral("CheckButton");
    const QString evaluate = QStringLiteral("EvaluateButton");

    MultiplicationApp()
    {
        enterName();
        click(QStringLiteral("Command3"));
    }

    MultiplicationScreen& screen()
    {
        return *dynamic_cast<MultiplicationScreen*>(registry.instance(ScreenId::Multiplication));
    }

    void present(Kind kind, int multiplicand, int multiplier)
    {
        click(selectorOf(kind));
        random.push(drawing(multiplicand, 11, 1009));
        random.push(kind == Kind::TwoDigit     ? drawing(multiplier, 11, 109)
                    : kind == Kind::ThreeDigit ? drawing(multiplier, 101, 1099)
                                               : drawing(multiplier, 20, 1009));
        click(ok);
    }

    // Writes a row as it reads on paper, its last digit in the units cell;
    // "_" leaves a cell untouched.
    void write(int unitsCell, const char* digits) const
    {
        const auto length = static_cast<int>(std::strlen(digits));
        for (int i = 0; i < length; ++i)
            if (digits[length - 1 - i] != '_')
                type(text(unitsCell + i), QString(QLatin1Char(digits[length - 1 - i])));
    }

    void answer(std::initializer_list<std::pair<int, const char*>> rows)
    {
        for (const auto& [units, digits] : rows)
            write(units, digits);
        click(check);
        click(evaluate);
    }

    DigitCell* cell(int number) const { return find<DigitCell>(text(number)); }
    bool enabled(const QString& name) const { return find(name)->isEnabled(); }
    int selectorsEnabled() const
    {
        int count = 0;
        for (Kind kind : kKinds)
            count += enabled(selectorOf(kind)) ? 1 : 0;
        return count;
    }
    VerdictBox* verdictBox() const { return find<VerdictBox>(QStringLiteral("VerdictBox")); }

    template <typename Test>
    QSet<QString> workCells(Test test) const
    {
        QSet<QString> names;
        for (int number = kPartial1; number <= 42; ++number)
            if (has(text(number)) && test(*cell(number)))
                names.insert(text(number));
        return names;
    }
    QSet<QString> visible() const { return workCells([](const DigitCell& c) { return !c.isHidden(); }); }
    QSet<QString> marked() const { return workCells([](const DigitCell& c) { return c.isMarkedWrong(); }); }
    int ruleStart(Kind kind) { return screen().rules(kind).front()->from().x; }
};

struct Round {
    Kind kind;
    int multiplicand;
    int multiplier;
    const char* operands;  // Text3 to Text1, then Text6 to Text4; "_" hidden
    bool hint;
    std::vector<std::pair<int, const char*>> rows;  // units cell, what the pupil writes
    QSet<QString> marked;
    const char* verdict;
    Colour ink;
    int grade;  // of the family, after this evaluation
};

// One exercise of each kind, graded 10, 6 and 8: the family's grade runs
// 10, (10 + 6) / 2 = 8, 24 / 3 = 8.
TEST(MultiplicationScreen, EachKindFromTheSelectorToTheGrade)
{
    MultiplicationApp app;
    EXPECT_EQ(app.window.windowTitle(), QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - "
                                                       "Moltiplicazioni col moltiplicatore di due o tre cifre"));
    const Round rounds[] = {
        {Kind::ThreeDigit, 12, 305, "_12305", false,
         {{kPartial1, "60"}, {kPartial2, "000"}, {kPartial3, "3600"}, {kProductOfThree, "3660"}}, {},
         "Bravo!!!", colour::Blue, 10},
        // The placeholder zero under the units of the second row is forgotten.
        {Kind::TwoDigit, 345, 20, "345_20", true, {{kPartial1, "000"}, {kPartial2, "690_"}, {kProductOfTwo, "6900"}},
         {text(kPartial2)}, "Sta' più attento!!!", colour::Red, 8},
        {Kind::ZeroEnding, 45, 90, "_45_90", false, {{kProductOfZeroEnding, "4050"}}, {}, "Buono", colour::Blue, 8},
    };
    for (const Round& r : rounds) {
        SCOPED_TRACE(r.multiplicand * r.multiplier);
        EXPECT_FALSE(app.enabled(app.ok)) << "no exercise before a kind is chosen";
        app.present(r.kind, r.multiplicand, r.multiplier);

        QString operands;
        for (int number : {3, 2, 1, 6, 5, 4})
            operands += app.cell(number)->isHidden() ? QStringLiteral("_") : app.cell(number)->text();
        EXPECT_EQ(operands, QString::fromLatin1(r.operands));
        EXPECT_EQ(!app.find(QStringLiteral("ZeroEndingHint"))->isHidden(), r.hint);
        QSet<QString> cells;
        for (const auto& [units, digits] : r.rows)
            cells += row(units, static_cast<int>(std::strlen(digits)));
        EXPECT_EQ(app.visible(), cells);
        for (const QString& name : cells) {
            EXPECT_TRUE(app.find<DigitCell>(name)->text().isEmpty());
            EXPECT_EQ(app.find<DigitCell>(name)->background(), kCellColour);
        }

        for (const auto& [units, digits] : r.rows)
            app.write(units, digits);
        app.click(app.check);
        EXPECT_EQ(app.marked(), r.marked);
        for (const QString& name : r.marked) {
            // Mending a marked cell gives it back its colours at once; a
            // second check then marks nothing, but the verdict stands.
            EXPECT_EQ(app.find<DigitCell>(name)->background(), colour::White);
            EXPECT_EQ(app.find<DigitCell>(name)->textColour(), colour::Red);
            app.type(name, QStringLiteral("0"));
            EXPECT_EQ(app.find<DigitCell>(name)->background(), kCellColour);
            EXPECT_EQ(app.find<DigitCell>(name)->textColour(), colour::Blue);
            app.type(text(productRowOf(r.kind) + 3), QStringLiteral("6"));
            app.click(app.check);
            EXPECT_TRUE(app.marked().isEmpty());
        }
        EXPECT_EQ(app.verdictBox()->text(), QString()) << "the verdict waits for the evaluation";
        app.click(app.evaluate);
        EXPECT_EQ(app.verdictBox()->text(), QString::fromUtf8(r.verdict));
        EXPECT_EQ(app.verdictBox()->textColour(), r.ink);
        EXPECT_EQ(app.verdictBox()->background(), 0xFFFFC0u);
        EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), r.grade);
    }
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Multiplication), 3);
    EXPECT_EQ(app.screen().tally().evaluations(), 3);
}

TEST(MultiplicationScreen, OnlyTheProductsLeadingCellEnablesTheCheck)
{
    const std::tuple<Kind, int, int, int> cases[] = {
        {Kind::TwoDigit, 11, 11, 32},    {Kind::TwoDigit, 345, 20, 33},    {Kind::TwoDigit, 999, 99, 34},
        {Kind::ThreeDigit, 11, 101, 25}, {Kind::ThreeDigit, 345, 120, 26}, {Kind::ThreeDigit, 999, 999, 27},
        {Kind::ZeroEnding, 11, 20, 39},  {Kind::ZeroEnding, 45, 90, 40},   {Kind::ZeroEnding, 123, 200, 41},
        {Kind::ZeroEnding, 999, 900, 42},
    };
    for (const auto& [kind, multiplicand, multiplier, leading] : cases) {
        SCOPED_TRACE(leading);
        MultiplicationApp app;
        app.present(kind, multiplicand, multiplier);
        const QSet<QString> visible = app.visible();
        ASSERT_TRUE(visible.contains(text(leading)));
        ASSERT_FALSE(visible.contains(text(leading + 1))) << "the leading cell is the leftmost";
        for (const QString& name : visible)
            if (name != text(leading))
                app.type(name, QStringLiteral("7"));
        EXPECT_FALSE(app.enabled(app.check));
        app.type(text(leading), QStringLiteral("x"));  // whatever the key
        EXPECT_TRUE(app.enabled(app.check));
        EXPECT_EQ(app.cell(leading)->text(), QString());
        // The rules start one column left of the product's leading digit.
        const int productLength = leading - productRowOf(kind) + 1;
        EXPECT_EQ(app.ruleStart(kind), 2040 + 600 * (6 - productLength));
    }
}

TEST(MultiplicationScreen, CellsHoldOneCharacterAndOperandsCannotBeTyped)
{
    MultiplicationApp app;
    app.present(Kind::TwoDigit, 87, 65);
    app.type(text(kPartial1), QStringLiteral("5/"));
    EXPECT_EQ(app.cell(kPartial1)->text(), QStringLiteral("/")) << "'/' replaces the digit";
    app.type(text(kPartial1 + 1), QStringLiteral("3:"));
    EXPECT_EQ(app.cell(kPartial1 + 1)->text(), QStringLiteral(":"));
    app.type(text(kPartial1 + 2), QStringLiteral("4"));
    app.key(text(kPartial1 + 2), Qt::Key_Backspace);
    EXPECT_EQ(app.cell(kPartial1 + 2)->text(), QString()) << "Backspace empties the cell";
    app.type(text(kPartial1 + 2), QStringLiteral("4a"));
    EXPECT_EQ(app.cell(kPartial1 + 2)->text(), QString()) << "a letter leaves it empty";
    app.key(QStringLiteral("Text1"), Qt::Key_9);
    app.key(QStringLiteral("Text1"), Qt::Key_Backspace);
    EXPECT_EQ(app.cell(1)->text(), QStringLiteral("7"));

    // 87 x 65: 435, 5220, 5655. "/" and ":" are wrong like the empty cell.
    app.answer({{kPartial2, "5220"}, {kProductOfTwo, "5655"}});
    EXPECT_EQ(app.marked(), row(kPartial1, 3));
    EXPECT_EQ(app.verdictBox()->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), 5);
}

TEST(MultiplicationScreen, ButtonsWalkOneCycleAndOnlyAnEvaluationFreesTheSelectors)
{
    MultiplicationApp app;
    EXPECT_EQ(app.selectorsEnabled(), 3);
    EXPECT_FALSE(app.enabled(app.ok) || app.enabled(app.check) || app.enabled(app.evaluate));
    EXPECT_TRUE(app.visible().isEmpty()) << "nothing to fill before a kind and an exercise";

    app.present(Kind::TwoDigit, 87, 65);
    EXPECT_FALSE(app.enabled(app.ok) || app.enabled(app.check) || app.enabled(app.evaluate));
    EXPECT_EQ(app.selectorsEnabled(), 0);
    app.write(kProductOfTwo, "5655");
    EXPECT_TRUE(app.enabled(app.check));
    app.click(app.check);
    EXPECT_FALSE(app.enabled(app.check)) << "the first check disables itself";
    EXPECT_TRUE(app.enabled(app.evaluate));
    EXPECT_EQ(app.selectorsEnabled(), 0) << "a check does not free the selectors";
    app.type(text(kProductOfTwo + 3), QStringLiteral("5"));
    app.click(app.check);
    EXPECT_TRUE(app.enabled(app.check)) << "later checks stay available";
    EXPECT_EQ(app.selectorsEnabled(), 0);

    app.click(app.evaluate);
    EXPECT_TRUE(app.enabled(app.check));
    EXPECT_FALSE(app.enabled(app.evaluate));
    EXPECT_FALSE(app.enabled(app.ok)) << "a kind must be clicked first";
    EXPECT_EQ(app.selectorsEnabled(), 3);
    // Checking the evaluated exercise again marks, but never counts it twice.
    app.click(app.check);
    EXPECT_FALSE(app.enabled(app.evaluate));

    app.click(selectorOf(Kind::ZeroEnding));
    EXPECT_TRUE(app.enabled(app.ok));
    EXPECT_FALSE(app.enabled(app.check) || app.enabled(app.evaluate));
    EXPECT_EQ(app.verdictBox()->text(), QString());
    EXPECT_TRUE(app.marked().isEmpty());
    EXPECT_EQ(app.cell(1)->text(), QString()) << "a round multiplier empties the operands at once";
    EXPECT_EQ(app.visible(), row(kProductOfZeroEnding, 6));
    app.type(text(kProductOfZeroEnding + 3), QStringLiteral("1"));
    EXPECT_FALSE(app.enabled(app.check)) << "the cells of a finished exercise lead to no check";
    EXPECT_EQ(app.screen().tally().evaluations(), 1);
}

TEST(MultiplicationScreen, EachKindShowsItsSignsAndRules)
{
    MultiplicationApp app;
    const std::tuple<Kind, const char*, std::vector<int>> kinds[] = {
        {Kind::TwoDigit, "X=+=_", {3120, 4920, 6000, 6120}},
        {Kind::ThreeDigit, "X=++=", {3120, 5520, 6600, 6720}},
        {Kind::ZeroEnding, "X=___", {3120, 4200, 4320}},
    };
    for (const auto& [kind, signs, rows] : kinds) {
        app.click(selectorOf(kind));
        QString shown;
        for (int label = 8; label <= 12; ++label) {
            auto* sign = app.find<Label>(QStringLiteral("Label%1").arg(label));
            shown += sign->isHidden() ? QStringLiteral("_") : sign->text();
        }
        EXPECT_EQ(shown, QString::fromLatin1(signs));
        for (Kind other : kKinds) {
            std::vector<int> ys;
            for (const LineShape* rule : app.screen().rules(other)) {
                EXPECT_EQ(rule->isVisible(), other == kind);
                EXPECT_EQ(rule->to().x, 6840);
                ys.push_back(rule->from().y);
                if (other == kind) {
                    EXPECT_EQ(rule->from().x, 2040);
                }
            }
            if (other == kind) {
                EXPECT_EQ(ys, rows);
            }
        }
    }
    app.present(Kind::TwoDigit, 11, 11);
    EXPECT_EQ(app.ruleStart(Kind::TwoDigit), 3840);
    EXPECT_TRUE(app.cell(3)->isHidden()) << "a two-digit multiplicand has no hundreds cell";
    EXPECT_TRUE(app.cell(6)->isHidden());
}

TEST(MultiplicationScreen, LeavingKeepsTheTallyAndTheNextExerciseCountsNormally)
{
    MultiplicationApp app;
    app.present(Kind::TwoDigit, 87, 65);
    app.write(kProductOfTwo, "5655");
    app.click(QStringLiteral("MainMenuButton"));
    app.click(QStringLiteral("Command3"));

    // Back on a fresh page: nothing to press but a kind, and no old digit.
    EXPECT_FALSE(app.enabled(app.ok) || app.enabled(app.check) || app.enabled(app.evaluate));
    EXPECT_EQ(app.selectorsEnabled(), 3);
    EXPECT_TRUE(app.visible().isEmpty());
    EXPECT_EQ(app.cell(1)->text(), QString());

    app.present(Kind::ZeroEnding, 45, 90);
    app.answer({{kProductOfZeroEnding, "4050"}});
    EXPECT_EQ(app.verdictBox()->text(), QStringLiteral("Buono"));
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Multiplication), 2);
    EXPECT_EQ(app.screen().tally().evaluations(), 1) << "the exercise left behind is never graded";
    EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), 8);
    app.click(app.check);
    EXPECT_FALSE(app.enabled(app.evaluate)) << "no second evaluation of the same exercise";
}

// Over many draws of each kind, the cells on show are exactly the cells
// that a check of the empty exercise finds wrong.
TEST(MultiplicationScreen, EveryComparedCellIsAVisibleCell)
{
    MultiplicationApp app;
    std::mt19937 draws(4242);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int i = 0; i < 60; ++i) {
        const Kind kind = kKinds[i % 3];
        app.click(selectorOf(kind));
        while (!app.random.exhausted())
            app.random.uniform();
        for (int k = 0; k < 200; ++k)
            app.random.push(uniform(draws));
        app.click(app.ok);
        const QSet<QString> visible = app.visible();
        const auto& exercise = *app.screen().exercise();
        EXPECT_EQ(visible.size(), static_cast<qsizetype>(exercise.answerCells().size()));
        app.type(text(productRowOf(kind) + exercise.productLength() - 1), QStringLiteral("x"));
        app.click(app.check);
        EXPECT_EQ(app.marked(), visible) << exercise.multiplicand() << " x " << exercise.multiplier();
        app.click(app.evaluate);
    }
    EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), 5);
}

// A seeded stream of clicks and keys over every control of the screen, with
// the odd trip to the main menu and back.
TEST(MultiplicationScreen, NoInputBreaksItsRules)
{
    MultiplicationApp app;
    std::mt19937 stream(1206);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    QStringList controls = {selectorOf(Kind::TwoDigit), selectorOf(Kind::ThreeDigit), selectorOf(Kind::ZeroEnding),
                            app.ok, app.check, app.evaluate};
    for (int number = 1; number <= 42; ++number)
        controls << text(number);
    const Qt::Key keys[] = {Qt::Key_0,         Qt::Key_5,      Qt::Key_9,     Qt::Key_Slash,  Qt::Key_Colon,
                            Qt::Key_A,         Qt::Key_Space,  Qt::Key_Comma, Qt::Key_Return, Qt::Key_Delete,
                            Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_V};
    int presented = 0;
    for (int step = 0; step < 3000; ++step) {
        while (!app.random.exhausted())
            app.random.uniform();
        for (int k = 0; k < 100; ++k)
            app.random.push(uniform(stream));

        const auto pick = static_cast<qsizetype>(stream() % static_cast<unsigned>(controls.size() + 1));
        if (pick == controls.size()) {
            app.click(QStringLiteral("MainMenuButton"));
            app.click(QStringLiteral("Command3"));
        } else if (QWidget* widget = app.page().findChild<QWidget*>(controls[pick]); widget && !widget->isHidden()) {
            const Qt::Key key = keys[stream() % std::size(keys)];
            if (controls[pick].startsWith(QStringLiteral("Text")))
                app.key(controls[pick], key, key == Qt::Key_V ? Qt::ControlModifier : Qt::NoModifier);
            else if (widget->isEnabled())
                app.click(controls[pick]);
        }

        for (int number = 1; number <= 42; ++number) {
            if (app.has(text(number))) {
                ASSERT_LE(app.cell(number)->text().size(), 1) << number;
            }
        }
        const int nowPresented = app.board.presentedCount(ExerciseFamily::Multiplication);
        ASSERT_GE(nowPresented, presented);
        presented = nowPresented;
        const int grade = app.board.grade(ExerciseFamily::Multiplication);
        ASSERT_TRUE(grade == 0 || (grade >= 5 && grade <= 10)) << grade;
        ASSERT_LE(app.screen().tally().evaluations(), presented);
        ASSERT_EQ(app.window.findChildren<Page*>().size(), 1);
    }
    EXPECT_GT(app.screen().tally().evaluations(), 0) << "the stream reached the evaluations";
}

}  // namespace
}  // namespace quillo::testing
