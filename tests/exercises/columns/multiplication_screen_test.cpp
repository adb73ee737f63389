#include "ui/screens/columns/multiplication_screen.h"

#include "exercises/columns/column_driving.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cstring>

#include <random>

namespace quillo::testing {
namespace {

using Kind = MultiplierKind;

// Design names of the units cell of each row the pupil writes.
constexpr int kPartial1 = 7, kPartial2 = 11, kPartial3 = 16;
constexpr int kProductOfThree = 22, kProductOfTwo = 30, kProductOfZeroEnding = 37;

QString selectorOf(Kind kind)
{
    return QStringLiteral("KindSelector") + QLatin1Char(kind == Kind::TwoDigit ? '2' : kind == Kind::ThreeDigit ? '3' : 'P');
}

int productRowOf(Kind kind)
{
    return kind == Kind::TwoDigit ? kProductOfTwo : kind == Kind::ThreeDigit ? kProductOfThree : kProductOfZeroEnding;
}

struct MultiplicationApp : ColumnApp {
    MultiplicationApp() : ColumnApp("Command3") {}
    MultiplicationScreen& screen()
    {
        return *dynamic_cast<MultiplicationScreen*>(registry.instance(screenOf(ExerciseFamily::Multiplication)));
    }

    void present(Kind kind, int multiplicand, int multiplier)
    {
        click(selectorOf(kind));
        random.push(drawing(multiplicand, 11, 1009));
        random.push(kind == Kind::TwoDigit     ? drawing(multiplier, 11, 109)
                    : kind == Kind::ThreeDigit ? drawing(multiplier, 101, 1099)
                                               : drawing(multiplier, 20, 1009));
        click(kOk);
    }
    // Writes a row as it reads on paper, its last digit in the units cell; "_" skips a cell.
    void write(int unitsCell, const QString& digits) const
    {
        for (int i = 0; i < digits.size(); ++i)
            if (const QChar digit = digits.at(digits.size() - 1 - i); digit != QLatin1Char('_'))
                type(text(unitsCell + i), digit);
    }
    int selectorsEnabled() const
    {
        return int(enabled(selectorOf(Kind::TwoDigit))) + enabled(selectorOf(Kind::ThreeDigit)) +
               enabled(selectorOf(Kind::ZeroEnding));
    }
    QSet<QString> cells(bool (*test)(const DigitCell&)) const
    {
        QSet<QString> names;
        for (int number = kPartial1; number <= 42; ++number)
            if (has(text(number)) && test(*cell(text(number))))
                names.insert(text(number));
        return names;
    }
    QSet<QString> visible() const { return cells([](const DigitCell& c) { return !c.isHidden(); }); }
    QSet<QString> marked() const { return cells([](const DigitCell& c) { return c.isMarkedWrong(); }); }
};

// One exercise of each kind, graded 10, 6 and 8: the family's grade runs
// 10, (10 + 6) / 2 = 8, 24 / 3 = 8.
TEST(MultiplicationScreen, EachKindFromTheSelectorToTheGrade)
{
    struct Round {
        Kind kind;
        int multiplicand, multiplier;
        std::vector<std::pair<int, const char*>> rows;  // units cell, what the pupil writes
        QSet<QString> marked;
        const char* verdict;
        int grade;
    };
    const Round rounds[] = {
        {Kind::ThreeDigit, 12, 305, {{kPartial1, "60"}, {kPartial2, "000"}, {kPartial3, "3600"}, {kProductOfThree, "3660"}},
         {}, "Bravo!!!", 10},
        // The placeholder zero under the units of the second row is forgotten.
        {Kind::TwoDigit, 345, 20, {{kPartial1, "000"}, {kPartial2, "690_"}, {kProductOfTwo, "6900"}}, {text(kPartial2)},
         "Sta' più attento!!!", 8},
        {Kind::ZeroEnding, 45, 90, {{kProductOfZeroEnding, "4050"}}, {}, "Buono", 8},
    };
    MultiplicationApp app;
    for (const Round& r : rounds) {
        SCOPED_TRACE(r.multiplicand * r.multiplier);
        app.present(r.kind, r.multiplicand, r.multiplier);
        QSet<QString> cells;
        for (const auto& [units, digits] : r.rows)
            for (int i = 0; i < int(std::strlen(digits)); ++i)
                cells.insert(text(units + i));
        EXPECT_EQ(app.visible(), cells);
        for (const auto& [units, digits] : r.rows)
            app.write(units, QString::fromLatin1(digits));
        app.click(kCheck);
        EXPECT_EQ(app.marked(), r.marked);
        app.click(kEvaluate);
        EXPECT_EQ(app.verdict()->text(), QString::fromUtf8(r.verdict));
        EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), r.grade);
    }
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Multiplication), 3);
}

TEST(MultiplicationScreen, OnlyTheProductsLeadingCellEnablesTheCheck)
{
    const std::tuple<Kind, int, int, int> cases[] = {
        {Kind::TwoDigit, 11, 11, 32},    {Kind::TwoDigit, 345, 20, 33},    {Kind::TwoDigit, 999, 99, 34},
        {Kind::ThreeDigit, 11, 101, 25}, {Kind::ThreeDigit, 345, 120, 26}, {Kind::ThreeDigit, 999, 999, 27},
        {Kind::ZeroEnding, 11, 20, 39},  {Kind::ZeroEnding, 45, 90, 40},   {Kind::ZeroEnding, 123, 200, 41},
        {Kind::ZeroEnding, 999, 900, 42},
    };
    MultiplicationApp app;
    for (const auto& [kind, multiplicand, multiplier, leading] : cases) {
        SCOPED_TRACE(leading);
        app.present(kind, multiplicand, multiplier);
        for (const QString& name : app.visible())
            if (name != text(leading))
                app.type(name, QStringLiteral("7"));
        EXPECT_FALSE(app.enabled(kCheck));
        app.type(text(leading), QStringLiteral("x"));  // whatever the key
        EXPECT_TRUE(app.enabled(kCheck));
        app.click(kCheck);
        app.click(kEvaluate);
    }
}

TEST(MultiplicationScreen, SlashAndBackspaceInACellAndOnlyAnEvaluationFreesTheSelectors)
{
    MultiplicationApp app;
    EXPECT_EQ(app.selectorsEnabled(), 3);
    app.present(Kind::TwoDigit, 87, 65);
    EXPECT_EQ(app.selectorsEnabled(), 0);
    app.type(text(kPartial1), QStringLiteral("5/"));
    EXPECT_EQ(app.cell(text(kPartial1))->text(), QStringLiteral("/")) << "'/' replaces the digit";
    app.type(text(kPartial1 + 1), QStringLiteral("4"));
    app.key(text(kPartial1 + 1), Qt::Key_Backspace);
    EXPECT_EQ(app.cell(text(kPartial1 + 1))->text(), QString()) << "Backspace empties the cell";
    app.key(QStringLiteral("Text1"), Qt::Key_Backspace);
    EXPECT_EQ(app.cell(QStringLiteral("Text1"))->text(), QStringLiteral("7")) << "operands cannot be typed";

    // 87 x 65: 435, 5220, 5655; "/" is as wrong as an empty cell.
    app.write(kPartial2, QStringLiteral("5220"));
    app.write(kProductOfTwo, QStringLiteral("5655"));
    app.click(kCheck);
    EXPECT_EQ(app.marked(), (QSet<QString>{text(kPartial1), text(kPartial1 + 1), text(kPartial1 + 2)}));
    EXPECT_EQ(app.buttons(), QStringLiteral("--V"));
    EXPECT_EQ(app.selectorsEnabled(), 0) << "a check does not free the selectors";
    app.click(kEvaluate);
    EXPECT_EQ(app.verdict()->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(app.buttons(), QStringLiteral("-C-")) << "a kind must be chosen before OK";
    EXPECT_EQ(app.selectorsEnabled(), 3);
}

TEST(MultiplicationScreen, ScreenReadersHearWhatEachControlIs)
{
    MultiplicationApp app;
    const auto name = [&](const QString& control) { return app.find(control)->accessibleName(); };
    EXPECT_EQ(name(QStringLiteral("Text2")), QStringLiteral("Moltiplicando, cifra 2"));
    EXPECT_EQ(name(QStringLiteral("Text4")), QStringLiteral("Moltiplicatore, cifra 1"));
    EXPECT_EQ(name(text(kPartial2 + 1)), QStringLiteral("Prodotto parziale 2, cifra 2"));
    EXPECT_EQ(name(text(kProductOfThree + 3)), QStringLiteral("Prodotto, cifra 4"));
    EXPECT_EQ(name(text(kProductOfZeroEnding)), QStringLiteral("Prodotto, cifra 1"));
    EXPECT_EQ(name(selectorOf(Kind::ThreeDigit)), QStringLiteral("3")) << "its caption; the kind is its tooltip";
}

// Over many draws of each kind, the cells on show are exactly the cells
// that a check of the empty exercise finds wrong.
TEST(MultiplicationScreen, EveryComparedCellIsAVisibleCell)
{
    MultiplicationApp app;
    std::mt19937 draws(4242);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int i = 0; i < 60; ++i) {
        const Kind kind = Kind(i % 3);
        app.click(selectorOf(kind));
        for (int k = 0; k < 200; ++k)
            app.random.push(uniform(draws));
        app.click(kOk);
        const QSet<QString> visible = app.visible();
        const auto& exercise = app.screen().exercise();
        app.type(text(productRowOf(kind) + exercise.productLength() - 1), QStringLiteral("x"));
        app.click(kCheck);
        ASSERT_EQ(app.marked(), visible) << exercise.multiplicand() << " x " << exercise.multiplier();
        app.click(kEvaluate);
        while (!app.random.exhausted())
            app.random.uniform();
    }
}

}  // namespace
}  // namespace quillo::testing
