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
    switch (kind) {
    case Kind::TwoDigit: return QStringLiteral("KindSelector2");
    case Kind::ThreeDigit: return QStringLiteral("KindSelector3");
    case Kind::ZeroEnding: return QStringLiteral("KindSelectorP");
    }
    return {};
}

int productRowOf(Kind kind)
{
    switch (kind) {
    case Kind::TwoDigit: return kProductOfTwo;
    case Kind::ThreeDigit: return kProductOfThree;
    case Kind::ZeroEnding: return kProductOfZeroEnding;
    }
    return 0;
}

// The program opened on the multiplication screen, with a scripted source
// that decides the next exercise.
struct MultiplicationApp : Harness {
    MultiplicationApp()
    {
        enterName();
        click(QStringLiteral("Command3"));
    }

    MultiplicationScreen& screen()
    {
        return *dynamic_cast<MultiplicationScreen*>(registry.instance(ScreenId::Multiplication));
    }

    void force(Kind kind, int multiplicand, int multiplier)
    {
        random.push(drawing(multiplicand, 11, 1009));
        switch (kind) {
        case Kind::TwoDigit: random.push(drawing(multiplier, 11, 109)); break;
        case Kind::ThreeDigit: random.push(drawing(multiplier, 101, 1099)); break;
        case Kind::ZeroEnding: random.push(drawing(multiplier, 20, 1009)); break;
        }
    }

    void present(Kind kind, int multiplicand, int multiplier)
    {
        click(selectorOf(kind));
        force(kind, multiplicand, multiplier);
        click(QStringLiteral("NewExerciseButton"));
    }

    // Writes a row as it reads on paper, its last digit in the units cell.
    void write(int unitsCell, const QString& digits) const
    {
        for (int i = 0; i < digits.size(); ++i)
            type(text(unitsCell + i), digits.at(digits.size() - 1 - i));
    }

    // Writes the rows, checks and evaluates.
    void answer(std::initializer_list<std::pair<int, const char*>> rows)
    {
        for (const auto& [units, digits] : rows)
            write(units, QString::fromLatin1(digits));
        click(check);
        click(evaluate);
    }

    DigitCell* cell(int number) const { return find<DigitCell>(text(number)); }
    bool enabled(const QString& name) const { return find(name)->isEnabled(); }
    bool selectorsEnabled() const
    {
        for (Kind kind : {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding})
            if (!enabled(selectorOf(kind)))
                return false;
        return true;
    }
    bool selectorsDisabled() const
    {
        for (Kind kind : {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding})
            if (enabled(selectorOf(kind)))
                return false;
        return true;
    }
    QString verdict() const { return find<VerdictBox>(QStringLiteral("VerdictBox"))->text(); }
    Colour verdictInk() const { return find<VerdictBox>(QStringLiteral("VerdictBox"))->textColour(); }

    // The work cells on show, by design name.
    QSet<QString> visibleWorkCells() const
    {
        QSet<QString> names;
        for (int number = 7; number <= 42; ++number)
            if (has(text(number)) && !cell(number)->isHidden())
                names.insert(text(number));
        return names;
    }
    QSet<QString> markedCells() const
    {
        QSet<QString> names;
        for (int number = 7; number <= 42; ++number)
            if (has(text(number)) && cell(number)->isMarkedWrong())
                names.insert(text(number));
        return names;
    }
    int ruleStart(Kind kind) { return screen().rules(kind).front()->from().x; }

    const QString ok = QStringLiteral("NewExerciseButton");
    const QString check = QStringLiteral("CheckButton");
    const QString evaluate = QStringLiteral("EvaluateButton");
};

QSet<QString> row(int unitsCell, int length)
{
    QSet<QString> names;
    for (int i = 0; i < length; ++i)
        names.insert(text(unitsCell + i));
    return names;
}

struct WholeExercise {
    const char* name;
    Kind kind;
    int multiplicand;
    int multiplier;
    std::vector<std::pair<int, const char*>> rows;  // units cell, digits as on paper
    const char* operands;                            // Text3..Text1 and Text6..Text4, "_" hidden
    bool hint;
    int ruleStart;
    const char* verdict;
    int grade;
};

TEST(MultiplicationScreen, EachKindFromTheSelectorToTheGrade)
{
    const WholeExercise exercises[] = {
        {"345 x 20", Kind::TwoDigit, 345, 20, {{kPartial1, "000"}, {kPartial2, "6900"}, {kProductOfTwo, "6900"}},
         "345_20", true, 3240, "Ottimo", 9},
        {"12 x 305", Kind::ThreeDigit, 12, 305,
         {{kPartial1, "60"}, {kPartial2, "000"}, {kPartial3, "3600"}, {kProductOfThree, "3660"}}, "_12305", false,
         3240, "Bravo!!!", 10},
        {"45 x 90", Kind::ZeroEnding, 45, 90, {{kProductOfZeroEnding, "4050"}}, "_45_90", false, 3240, "Buono", 8},
    };
    for (const WholeExercise& e : exercises) {
        SCOPED_TRACE(e.name);
        MultiplicationApp app;
        EXPECT_EQ(app.window.windowTitle(), QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - "
                                                           "Moltiplicazioni col moltiplicatore di due o tre cifre"));
        EXPECT_FALSE(app.enabled(app.ok)) << "no exercise before a kind is chosen";
        app.present(e.kind, e.multiplicand, e.multiplier);
        EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Multiplication), 1);

        QString operands;
        for (int number : {3, 2, 1, 6, 5, 4})
            operands += app.cell(number)->isHidden() ? QStringLiteral("_") : app.cell(number)->text();
        EXPECT_EQ(operands, QString::fromLatin1(e.operands));
        EXPECT_EQ(!app.find(QStringLiteral("ZeroEndingHint"))->isHidden(), e.hint);
        EXPECT_EQ(app.ruleStart(e.kind), e.ruleStart);

        QSet<QString> expectedCells;
        for (const auto& [units, digits] : e.rows)
            expectedCells += row(units, static_cast<int>(std::strlen(digits)));
        EXPECT_EQ(app.visibleWorkCells(), expectedCells);
        for (const QString& name : expectedCells) {
            EXPECT_TRUE(app.find<DigitCell>(name)->text().isEmpty()) << name.toStdString();
            EXPECT_EQ(app.find<DigitCell>(name)->background(), kCellColour);
        }

        for (const auto& [units, digits] : e.rows)
            app.write(units, QString::fromLatin1(digits));
        ASSERT_TRUE(app.enabled(app.check));
        app.click(app.check);
        EXPECT_TRUE(app.markedCells().isEmpty());
        EXPECT_EQ(app.verdict(), QString()) << "the verdict waits for the evaluation";
        app.click(app.evaluate);
        EXPECT_EQ(app.verdict(), QString::fromUtf8(e.verdict));
        EXPECT_EQ(app.verdictInk(), colour::Blue);
        EXPECT_EQ(app.find<VerdictBox>(QStringLiteral("VerdictBox"))->background(), 0xFFFFC0u);
        EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), e.grade);
        EXPECT_EQ(app.screen().tally().evaluations(), 1);
    }
}

TEST(MultiplicationScreen, AWrongPlaceholderIsMarkedAndCostsOnePoint)
{
    MultiplicationApp app;
    app.present(Kind::TwoDigit, 345, 20);
    app.write(kPartial1, QStringLiteral("000"));
    app.write(kPartial2 + 1, QStringLiteral("690"));  // the placeholder under the units is forgotten
    app.write(kProductOfTwo, QStringLiteral("6900"));
    app.click(app.check);
    EXPECT_EQ(app.markedCells(), QSet<QString>{text(kPartial2)});
    EXPECT_EQ(app.cell(kPartial2)->background(), colour::White);
    EXPECT_EQ(app.cell(kPartial2)->textColour(), colour::Red);
    EXPECT_EQ(app.cell(kPartial2 + 1)->background(), kCellColour) << "right cells keep their colours";

    // Mending it restores the cell at the key, and a second check marks
    // nothing but keeps the verdict of the first.
    app.type(text(kPartial2), QStringLiteral("0"));
    EXPECT_FALSE(app.cell(kPartial2)->isMarkedWrong());
    EXPECT_EQ(app.cell(kPartial2)->background(), kCellColour);
    EXPECT_EQ(app.cell(kPartial2)->textColour(), colour::Blue);
    app.type(text(kProductOfTwo + 3), QStringLiteral("6"));
    app.click(app.check);
    EXPECT_TRUE(app.markedCells().isEmpty());
    app.click(app.evaluate);
    EXPECT_EQ(app.verdict(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(app.verdictInk(), colour::Red);
    EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), 6);
}

TEST(MultiplicationScreen, EmptyPlaceholdersOfTheThirdRowAreTwoErrors)
{
    MultiplicationApp app;
    app.present(Kind::ThreeDigit, 12, 300);
    app.write(kPartial1, QStringLiteral("00"));
    app.write(kPartial2, QStringLiteral("000"));
    app.write(kPartial3 + 2, QStringLiteral("36"));
    app.write(kProductOfThree, QStringLiteral("3600"));
    app.click(app.check);
    EXPECT_EQ(app.markedCells(), (QSet<QString>{text(kPartial3), text(kPartial3 + 1)}));
    app.click(app.evaluate);
    EXPECT_EQ(app.verdict(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(app.verdictInk(), colour::Red);
    EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), 5);
}

TEST(MultiplicationScreen, OnlyTheProductsLeadingCellEnablesTheCheck)
{
    struct Case {
        Kind kind;
        int multiplicand;
        int multiplier;
        int leading;
    };
    const Case cases[] = {
        {Kind::TwoDigit, 11, 11, 32},   {Kind::TwoDigit, 345, 20, 33},    {Kind::TwoDigit, 999, 99, 34},
        {Kind::ThreeDigit, 11, 101, 25}, {Kind::ThreeDigit, 345, 120, 26}, {Kind::ThreeDigit, 999, 999, 27},
        {Kind::ZeroEnding, 11, 20, 39},  {Kind::ZeroEnding, 45, 90, 40},   {Kind::ZeroEnding, 123, 200, 41},
        {Kind::ZeroEnding, 999, 900, 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leading);
        MultiplicationApp app;
        app.present(c.kind, c.multiplicand, c.multiplier);
        const QSet<QString> visible = app.visibleWorkCells();
        ASSERT_TRUE(visible.contains(text(c.leading)));
        ASSERT_FALSE(visible.contains(text(c.leading + 1))) << "the leading cell is the leftmost";
        for (const QString& name : visible)
            if (name != text(c.leading))
                app.type(name, QStringLiteral("7"));
        EXPECT_FALSE(app.enabled(app.check));
        app.type(text(c.leading), QStringLiteral("x"));  // whatever the key
        EXPECT_TRUE(app.enabled(app.check));
        EXPECT_EQ(app.cell(c.leading)->text(), QString());
        const int expectedStart = 2040 + 600 * (6 - (c.leading - productRowOf(c.kind) + 1));
        EXPECT_EQ(app.ruleStart(c.kind), expectedStart);
    }
}

TEST(MultiplicationScreen, CellsHoldOneCharacterAndOperandsCannotBeTyped)
{
    MultiplicationApp app;
    app.present(Kind::TwoDigit, 87, 65);
    app.type(text(kPartial1), QStringLiteral("5"));
    app.type(text(kPartial1), QStringLiteral("/"));
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
    EXPECT_EQ(app.cell(4)->text(), QStringLiteral("5"));

    // 87 x 65: 435, 5220, 5655. "/" and ":" are wrong like the empty cell.
    app.write(kPartial2, QStringLiteral("5220"));
    app.write(kProductOfTwo, QStringLiteral("5655"));
    app.click(app.check);
    EXPECT_EQ(app.markedCells(), (QSet<QString>{text(kPartial1), text(kPartial1 + 1), text(kPartial1 + 2)}));
    app.click(app.evaluate);
    EXPECT_EQ(app.verdict(), QStringLiteral("Così non va bene!!!"));
}

TEST(MultiplicationScreen, ButtonsWalkOneCycleAndOnlyAnEvaluationFreesTheSelectors)
{
    MultiplicationApp app;
    EXPECT_TRUE(app.selectorsEnabled());
    EXPECT_FALSE(app.enabled(app.ok));
    EXPECT_FALSE(app.enabled(app.check));
    EXPECT_FALSE(app.enabled(app.evaluate));

    app.click(selectorOf(Kind::TwoDigit));
    EXPECT_TRUE(app.enabled(app.ok));
    app.force(Kind::TwoDigit, 87, 65);
    app.click(app.ok);
    EXPECT_FALSE(app.enabled(app.ok));
    EXPECT_FALSE(app.enabled(app.check));
    EXPECT_FALSE(app.enabled(app.evaluate));
    EXPECT_TRUE(app.selectorsDisabled());

    app.write(kProductOfTwo, QStringLiteral("5655"));
    EXPECT_TRUE(app.enabled(app.check));
    app.click(app.check);
    EXPECT_FALSE(app.enabled(app.check)) << "the first check disables itself";
    EXPECT_TRUE(app.enabled(app.evaluate));
    EXPECT_TRUE(app.selectorsDisabled()) << "a check does not free the selectors";
    app.type(text(kProductOfTwo + 3), QStringLiteral("5"));
    EXPECT_TRUE(app.enabled(app.check));
    app.click(app.check);
    EXPECT_TRUE(app.enabled(app.check)) << "later checks stay available";
    EXPECT_TRUE(app.selectorsDisabled());

    app.click(app.evaluate);
    EXPECT_TRUE(app.enabled(app.check));
    EXPECT_FALSE(app.enabled(app.evaluate));
    EXPECT_FALSE(app.enabled(app.ok)) << "a kind must be clicked first";
    EXPECT_TRUE(app.selectorsEnabled());
    EXPECT_EQ(app.screen().tally().evaluations(), 1);

    // Checking the evaluated exercise again marks, but it is never counted twice.
    app.click(app.check);
    EXPECT_FALSE(app.enabled(app.evaluate));
    EXPECT_EQ(app.screen().tally().evaluations(), 1);

    app.click(selectorOf(Kind::ThreeDigit));
    EXPECT_TRUE(app.enabled(app.ok));
    EXPECT_FALSE(app.enabled(app.check));
    EXPECT_FALSE(app.enabled(app.evaluate));
    EXPECT_EQ(app.verdict(), QString());
    EXPECT_TRUE(app.markedCells().isEmpty()) << "a new kind takes the marks away";
}

TEST(MultiplicationScreen, EachKindShowsItsSignsAndRules)
{
    MultiplicationApp app;
    struct Expect {
        Kind kind;
        const char* signs;  // Label10, Label11, Label12; "_" hidden
        std::vector<int> rules;
    };
    const Expect expects[] = {
        {Kind::TwoDigit, "+=_", {3120, 4920, 6000, 6120}},
        {Kind::ThreeDigit, "++=", {3120, 5520, 6600, 6720}},
        {Kind::ZeroEnding, "___", {3120, 4200, 4320}},
    };
    for (const Expect& e : expects) {
        app.click(selectorOf(e.kind));
        QString signs;
        for (int label = 10; label <= 12; ++label) {
            auto* sign = app.find<Label>(QStringLiteral("Label%1").arg(label));
            signs += sign->isHidden() ? QStringLiteral("_") : sign->text();
        }
        EXPECT_EQ(signs, QString::fromLatin1(e.signs));
        EXPECT_EQ(app.find<Label>(QStringLiteral("Label8"))->text(), QStringLiteral("X"));
        EXPECT_EQ(app.find<Label>(QStringLiteral("Label9"))->text(), QStringLiteral("="));
        for (Kind other : {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding}) {
            for (const LineShape* rule : app.screen().rules(other)) {
                EXPECT_EQ(rule->isVisible(), other == e.kind);
                if (other == e.kind) {
                    EXPECT_EQ(rule->from().x, 2040);
                    EXPECT_EQ(rule->to().x, 6840);
                }
            }
        }
        std::vector<int> rows;
        for (const LineShape* rule : app.screen().rules(e.kind))
            rows.push_back(rule->from().y);
        EXPECT_EQ(rows, e.rules);
    }

    // 999 x 999 fills every column; 11 x 11 leaves three of them free.
    app.force(Kind::ZeroEnding, 999, 900);
    app.click(app.ok);
    EXPECT_EQ(app.ruleStart(Kind::ZeroEnding), 2040);
    app.answer({{kProductOfZeroEnding, "899100"}});
    app.present(Kind::ThreeDigit, 999, 999);
    EXPECT_EQ(app.ruleStart(Kind::ThreeDigit), 2040);
    EXPECT_EQ(app.visibleWorkCells().size(), 4 + 5 + 6 + 6);
    app.answer({{kProductOfThree, "998001"}});
    app.present(Kind::TwoDigit, 11, 11);
    EXPECT_EQ(app.ruleStart(Kind::TwoDigit), 3840);
    EXPECT_TRUE(app.cell(3)->isHidden()) << "a two-digit multiplicand has no hundreds cell";
    EXPECT_TRUE(app.cell(6)->isHidden());
}

TEST(MultiplicationScreen, GradeIsTheMeanOfTheEvaluations)
{
    MultiplicationApp app;
    app.present(Kind::ThreeDigit, 12, 305);
    app.answer({{kPartial1, "60"}, {kPartial2, "000"}, {kPartial3, "3600"}, {kProductOfThree, "3660"}});
    EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), 10);

    app.present(Kind::TwoDigit, 87, 65);
    app.answer({{kPartial1, "435"}, {kPartial2, "5220"}, {kProductOfTwo, "5645"}});
    EXPECT_EQ(app.verdict(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), 8) << "(10 + 6) / 2";

    app.present(Kind::TwoDigit, 87, 65);
    app.answer({{kPartial1, "435"}, {kPartial2, "5220"}, {kProductOfTwo, "5655"}});
    EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), 8) << "25 / 3";
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Multiplication), 3);
}

TEST(MultiplicationScreen, LeavingKeepsTheTallyAndTheNextExerciseCountsNormally)
{
    MultiplicationApp app;
    app.present(Kind::TwoDigit, 87, 65);
    app.write(kProductOfTwo, QStringLiteral("5655"));
    app.click(QStringLiteral("MainMenuButton"));
    EXPECT_EQ(app.registry.current(), ScreenId::MainMenu);
    app.click(QStringLiteral("Command3"));

    // Back on a fresh page: nothing to press but a kind, and no old digit.
    EXPECT_FALSE(app.enabled(app.ok));
    EXPECT_FALSE(app.enabled(app.check));
    EXPECT_FALSE(app.enabled(app.evaluate));
    EXPECT_TRUE(app.selectorsEnabled());
    EXPECT_TRUE(app.visibleWorkCells().isEmpty());
    EXPECT_EQ(app.cell(1)->text(), QString());
    EXPECT_EQ(app.verdict(), QString());

    app.present(Kind::ZeroEnding, 45, 90);
    app.answer({{kProductOfZeroEnding, "4050"}});
    EXPECT_EQ(app.verdict(), QStringLiteral("Buono"));
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Multiplication), 2);
    EXPECT_EQ(app.screen().tally().evaluations(), 1) << "the exercise left behind is never graded";
    EXPECT_EQ(app.board.grade(ExerciseFamily::Multiplication), 8);

    // A second check of the same exercise cannot lead to a second evaluation.
    app.click(app.check);
    EXPECT_FALSE(app.enabled(app.evaluate));
    EXPECT_EQ(app.screen().tally().evaluations(), 1);
}

TEST(MultiplicationScreen, RoundMultipliersEmptyTheOperandsAtOnce)
{
    MultiplicationApp app;
    app.present(Kind::TwoDigit, 87, 65);
    app.answer({{kProductOfTwo + 3, "5"}});
    app.click(selectorOf(Kind::ZeroEnding));
    EXPECT_EQ(app.cell(1)->text(), QString());
    EXPECT_EQ(app.cell(4)->text(), QString());
    EXPECT_EQ(app.visibleWorkCells(), row(kProductOfZeroEnding, 6)) << "only its own product row";
    // The cells of a finished exercise no longer lead to a check.
    app.type(text(kProductOfZeroEnding + 3), QStringLiteral("1"));
    EXPECT_FALSE(app.enabled(app.check));
}

// Over many draws of each kind, the cells on show are exactly the cells
// a check of an empty exercise finds wrong.
TEST(MultiplicationScreen, EveryComparedCellIsAVisibleCell)
{
    MultiplicationApp app;
    std::mt19937 draws(4242);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (int i = 0; i < 60; ++i) {
        const Kind kind = static_cast<Kind>(i % 3);
        app.click(selectorOf(kind));
        for (int k = 0; k < 200; ++k)
            app.random.push(uniform(draws));
        app.click(app.ok);
        const QSet<QString> visible = app.visibleWorkCells();
        const auto& exercise = *app.screen().exercise();
        EXPECT_EQ(visible.size(), static_cast<qsizetype>(exercise.answerCells().size()));
        app.type(text(productRowOf(kind) + exercise.productLength() - 1), QStringLiteral("x"));
        app.click(app.check);
        EXPECT_EQ(app.markedCells(), visible) << exercise.multiplicand() << " x " << exercise.multiplier();
        app.click(app.evaluate);
        while (!app.random.exhausted())
            app.random.uniform();
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
    QStringList controls = {QStringLiteral("KindSelector2"), QStringLiteral("KindSelector3"),
                            QStringLiteral("KindSelectorP"), app.ok, app.check, app.evaluate};
    for (int number = 1; number <= 42; ++number)
        controls << text(number);
    const Qt::Key keys[] = {Qt::Key_0,      Qt::Key_5,      Qt::Key_9,     Qt::Key_Slash, Qt::Key_Colon,
                            Qt::Key_A,      Qt::Key_Space,  Qt::Key_Comma, Qt::Key_Backspace, Qt::Key_Return,
                            Qt::Key_Delete, Qt::Key_Escape, Qt::Key_V};
    int presented = 0;
    for (int step = 0; step < 3000; ++step) {
        while (!app.random.exhausted())
            app.random.uniform();
        for (int k = 0; k < 100; ++k)
            app.random.push(uniform(stream));

        const auto pick = static_cast<std::size_t>(stream() % (controls.size() + 1));
        if (pick == static_cast<std::size_t>(controls.size())) {
            app.click(QStringLiteral("MainMenuButton"));
            app.click(QStringLiteral("Command3"));
        } else if (app.has(controls[static_cast<qsizetype>(pick)])) {
            const QString& name = controls[static_cast<qsizetype>(pick)];
            QWidget* widget = app.find(name);
            if (name.startsWith(QStringLiteral("Text")) && !widget->isHidden()) {
                const Qt::Key key = keys[stream() % std::size(keys)];
                app.key(name, key, key == Qt::Key_V ? Qt::ControlModifier : Qt::NoModifier);
            } else if (widget->isEnabled() && !widget->isHidden()) {
                app.click(name);
            }
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
    EXPECT_GT(presented, 0) << "the stream reached the exercises";
    EXPECT_GT(app.screen().tally().evaluations(), 0) << "and their evaluations";
}

}  // namespace
}  // namespace quillo::testing
