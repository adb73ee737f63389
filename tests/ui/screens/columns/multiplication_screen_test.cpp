#include "ui/screens/columns/multiplication_screen.h"

#include "column_driving.h"

#include <gtest/gtest.h>

#include <QSet>

#include <array>
#include <cstring>
#include <random>

namespace quillo::testing {
namespace {

using Kind = MultiplierKind;

// The selector of a kind and the row of its product.
QString selectorOf(Kind kind)
{
    return QLatin1String(std::array{"twoDigitMultiplier", "threeDigitMultiplier", "zeroEndingMultiplier"}[int(kind)]);
}
const char* productRowOf(Kind kind) { return std::array{"productOfTwo", "productOfThree", "productOfZeroEnding"}[int(kind)]; }

struct MultiplicationApp : ColumnApp {
    MultiplicationApp() : ColumnApp("multiplicationButton") {}
    MultiplicationScreen& screen()
    {
        return *dynamic_cast<MultiplicationScreen*>(registry.instance(screenOf(ExerciseFamily::Multiplication)));
    }

    void present(Kind kind, int multiplicand, int multiplier)
    {
        click(selectorOf(kind));
        random.push(drawing(multiplicand, 11, 1009));
        random.push(drawing(multiplier, std::array{11, 101, 20}[int(kind)], std::array{109, 1099, 1009}[int(kind)]));
        click(kOk);
    }
    int selectorsEnabled() const
    {
        return int(enabled(selectorOf(Kind(0)))) + enabled(selectorOf(Kind(1))) + enabled(selectorOf(Kind(2)));
    }
    QSet<QString> cells(bool (*test)(const DigitCell&)) const
    {
        QSet<QString> names;
        for (const char* row : {"partialProduct1", "partialProduct2", "partialProduct3", "productOfTwo", "productOfThree", "productOfZeroEnding"})
            for (int digit = 1; digit <= 6; ++digit)
                if (has(cellName(row, digit)) && test(*cell(cellName(row, digit))))
                    names.insert(cellName(row, digit));
        return names;
    }
    QSet<QString> visible() const { return cells([](const DigitCell& c) { return !c.isHidden(); }); }
    QSet<QString> marked() const { return cells([](const DigitCell& c) { return c.isMarkedWrong(); }); }
};

// One exercise of each kind, graded 10, 6 and 8: the family's grade is
// 24 / 3 = 8.
TEST(MultiplicationScreen, EachKindFromTheSelectorToTheGrade)
{
    struct Round {
        Kind kind;
        int multiplicand, multiplier;
        std::vector<std::pair<const char*, const char*>> rows;  // row, what the pupil writes
        QSet<QString> marked;
    };
    const Round rounds[] = {
        {Kind::ThreeDigit, 12, 305, {{"partialProduct1", "60"}, {"partialProduct2", "000"}, {"partialProduct3", "3600"}, {"productOfThree", "3660"}},
         {}},
        // The placeholder zero under the units of the second row is forgotten.
        {Kind::TwoDigit, 345, 20, {{"partialProduct1", "000"}, {"partialProduct2", "690_"}, {"productOfTwo", "6900"}},
         {cellName("partialProduct2", 1)}},
        {Kind::ZeroEnding, 45, 90, {{"productOfZeroEnding", "4050"}}, {}},
    };
    MultiplicationApp app;
    for (const Round& r : rounds) {
        SCOPED_TRACE(r.multiplicand * r.multiplier);
        app.present(r.kind, r.multiplicand, r.multiplier);
        QSet<QString> cells;
        for (const auto& [row, digits] : r.rows)
            for (int i = 1; i <= int(std::strlen(digits)); ++i)
                cells.insert(cellName(row, i));
        EXPECT_EQ(app.visible(), cells);
        for (const auto& [row, digits] : r.rows)
            writeRow(app, row, QString::fromLatin1(digits));
        app.click(kCheck);
        EXPECT_EQ(app.marked(), r.marked);
        app.click(kEvaluate);
    }
    EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), 8);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Multiplication), 3);
}

TEST(MultiplicationScreen, NamesGivenOperandsAndOnlyAnEvaluationFreesTheSelectors)
{
    MultiplicationApp app;
    const auto name = [&](const QString& control) { return app.find(control)->accessibleName(); };
    EXPECT_EQ(name(QStringLiteral("multiplicandDigit2")), QStringLiteral("Moltiplicando, cifra 2"));
    EXPECT_EQ(name(QStringLiteral("multiplierDigit1")), QStringLiteral("Moltiplicatore, cifra 1"));
    EXPECT_EQ(name(cellName("partialProduct2", 2)), QStringLiteral("Prodotto parziale 2, cifra 2"));
    EXPECT_EQ(name(cellName("productOfThree", 4)), QStringLiteral("Prodotto, cifra 4"));
    EXPECT_EQ(name(cellName("productOfZeroEnding", 1)), QStringLiteral("Prodotto, cifra 1"));
    EXPECT_EQ(name(selectorOf(Kind::ThreeDigit)), QStringLiteral("3")) << "its caption; the kind is its tooltip";
    EXPECT_EQ(app.selectorsEnabled(), 3);
    app.present(Kind::TwoDigit, 87, 65);
    EXPECT_EQ(app.selectorsEnabled(), 0);
    app.key(QStringLiteral("multiplicandDigit1"), Qt::Key_Backspace);
    EXPECT_EQ(app.cell(QStringLiteral("multiplicandDigit1"))->text(), QStringLiteral("7")) << "operands cannot be typed";

    // 87 x 65: 435, 5220, 5655, the first partial product left out.
    writeRow(app, "partialProduct2", QStringLiteral("5220"));
    writeRow(app, "productOfTwo", QStringLiteral("5655"));
    app.click(kCheck);
    EXPECT_EQ(app.marked(), (QSet<QString>{cellName("partialProduct1", 1), cellName("partialProduct1", 2), cellName("partialProduct1", 3)}));
    EXPECT_EQ(app.buttons(), QStringLiteral("--V"));
    EXPECT_EQ(app.selectorsEnabled(), 0) << "a check does not free the selectors";
    app.click(kEvaluate);
    EXPECT_EQ(app.buttons(), QStringLiteral("-C-")) << "a kind must be chosen before OK";
    EXPECT_EQ(app.selectorsEnabled(), 3);
}

// Over many draws of each kind: only the product's leading cell, whatever
// its key, opens the check, and the cells on show are exactly the cells a
// check finds wrong when all of them hold "/".
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
        const int productLength = int(QString::number(exercise.multiplicand() * exercise.multiplier()).size());
        const QString leading = cellName(productRowOf(kind), productLength);
        for (const QString& name : visible)
            if (name != leading)
                app.type(name, QStringLiteral("/"));
        EXPECT_FALSE(app.enabled(kCheck)) << leading.toStdString();
        app.type(leading, QStringLiteral("x"));
        app.click(kCheck);
        ASSERT_EQ(app.marked(), visible) << exercise.multiplicand() << " x " << exercise.multiplier();
        app.click(kEvaluate);
        while (!app.random.exhausted())
            app.random.uniform();
    }
}

}  // namespace
}  // namespace quillo::testing
