#include "exercises/columns/division_screen.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <QTest>

#include <random>
#include <set>

namespace quillo::testing {
namespace {

const QString OK = QStringLiteral("NewExerciseButton");
const QString Check = QStringLiteral("CheckButton");
const QString Evaluate = QStringLiteral("EvaluateButton");

QString text(int number)
{
    return QStringLiteral("Text%1").arg(number);
}

// Step row k starts in column k; every row ends in column 6.
QString stepCell(int row, int column)
{
    constexpr int first[] = {0, 14, 20, 25, 29, 32};
    return text(first[row] + column - row);
}

QString remainderMark(int row)
{
    return text(36 + row);
}

QString selector(int digits)
{
    return text(40 + digits);
}

struct DivisionApp : Harness {
    DivisionApp()
    {
        enterName();
        click(QStringLiteral("Command1"));
    }

    // Picks the length and forces dividend : divisor through the real "OK".
    void present(int dividend, int divisor)
    {
        const int digits = static_cast<int>(QString::number(dividend).size());
        const int lows[] = {0, 0, 11, 101, 1001, 10001, 100001};
        const int highs[] = {0, 0, 99, 999, 9999, 99999, 999999};
        click(selector(digits));
        random.push(drawing(dividend, lows[digits], lows[digits] + highs[digits] - 1));
        random.push(drawing(divisor, 11, 109));
        click(OK);
    }

    QString textOf(const QString& name) const
    {
        if (auto* box = page().findChild<TextBox*>(name))
            return box->text();
        return find<Label>(name)->text();
    }
    bool enabled(const QString& name) const { return find(name)->isEnabled(); }
    DigitCell* cell(const QString& name) const { return find<DigitCell>(name); }
    std::int16_t grade() const { return board.grade(ExerciseFamily::Division); }
    const DivisionScreen& screen()
    {
        return *dynamic_cast<DivisionScreen*>(registry.instance(ScreenId::Division));
    }
};

// 7568 : 23 = 329 r 1, written out as in the exercise book.
void write7568By23(DivisionApp& app)
{
    app.type(text(9), QStringLiteral("3"));
    app.type(text(10), QStringLiteral("2"));
    app.type(text(11), QStringLiteral("9"));
    app.type(stepCell(1, 4), QStringLiteral("6"));
    app.type(stepCell(1, 5), QStringLiteral("6"));
    app.type(stepCell(2, 4), QStringLiteral("2"));
    app.type(stepCell(2, 5), QStringLiteral("0"));
    app.type(stepCell(2, 6), QStringLiteral("8"));
    app.type(stepCell(3, 6), QStringLiteral("1"));
}

TEST(DivisionScreen, ADivisionFromTheSelectorToTheGrade)
{
    DivisionApp app;
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb  - Esercitazione di Aritmetica cl. V - Divisione col divisore di due cifre"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Footer"))->text(), QStringLiteral("vt-pb  - Aritmetica  V"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Instruction"))->text(),
              QStringLiteral("Esegui la seguente divisione in colonna:"));
    EXPECT_EQ(app.find(selector(5))->toolTip(), QStringLiteral("Dividendo compreso tra 10001 e 99999"));
    EXPECT_EQ(app.find<TextBox>(selector(6))->background(), 0xC0E0FFu);
    EXPECT_FALSE(app.enabled(OK));
    EXPECT_FALSE(app.enabled(Check));
    EXPECT_FALSE(app.enabled(Evaluate));
    EXPECT_TRUE(app.enabled(selector(2)));

    app.click(selector(4));
    EXPECT_TRUE(app.enabled(OK));
    app.random.push(drawing(7568, 1001, 1001 + 9999 - 1));
    app.random.push(drawing(23, 11, 109));
    app.click(OK);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Division), 1);
    EXPECT_EQ(app.textOf(text(3)) + app.textOf(text(4)) + app.textOf(text(5)) + app.textOf(text(6)),
              QStringLiteral("7568"));
    EXPECT_EQ(app.textOf(text(2)), QString());
    EXPECT_EQ(app.textOf(text(7)) + app.textOf(text(8)), QStringLiteral("23"));
    EXPECT_EQ(app.textOf(QStringLiteral("Text34")), QStringLiteral(":"));
    EXPECT_EQ(app.textOf(QStringLiteral("Text35")), QStringLiteral("="));
    EXPECT_FALSE(app.enabled(OK)) << "OK cannot be pressed twice in a row";
    EXPECT_FALSE(app.enabled(selector(3)));
    EXPECT_FALSE(app.enabled(Check));

    write7568By23(app);
    EXPECT_EQ(app.textOf(remainderMark(3)), QStringLiteral("r"));
    EXPECT_EQ(app.textOf(remainderMark(2)), QString());
    EXPECT_TRUE(app.enabled(Check));
    app.click(Check);
    EXPECT_FALSE(app.enabled(Check));
    EXPECT_TRUE(app.enabled(Evaluate));
    EXPECT_EQ(app.cell(text(11))->background(), colour::LightCyan);
    app.click(Evaluate);
    auto* verdict = app.find<VerdictBox>(QStringLiteral("VerdictBox"));
    EXPECT_EQ(verdict->text(), QStringLiteral("Distinto"));
    EXPECT_EQ(verdict->textColour(), colour::Blue);
    EXPECT_EQ(app.grade(), 9);
    EXPECT_FALSE(app.enabled(OK));
    EXPECT_TRUE(app.enabled(selector(2)));
    EXPECT_TRUE(app.enabled(Check));
    EXPECT_FALSE(app.enabled(Evaluate));

    // A selector empties the page; 97 : 12 = 8 r 1, written with two errors.
    app.click(selector(2));
    EXPECT_EQ(verdict->text(), QString());
    EXPECT_EQ(app.textOf(remainderMark(3)), QString());
    EXPECT_EQ(app.textOf(text(9)), QString());
    EXPECT_EQ(app.textOf(text(6)), QString());
    app.random.push(drawing(97, 11, 109));
    app.random.push(drawing(12, 11, 109));
    app.click(OK);
    EXPECT_TRUE(app.cell(text(10))->isReadOnly()) << "quotient cells past L are locked";
    EXPECT_TRUE(app.cell(stepCell(2, 6))->isReadOnly()) << "unused step rows are locked";
    app.type(text(10), QStringLiteral("4"));
    EXPECT_EQ(app.textOf(text(10)), QString());
    app.type(text(9), QStringLiteral("7"));
    app.type(stepCell(1, 5), QStringLiteral("5"));
    app.type(stepCell(1, 6), QStringLiteral("1"));
    EXPECT_EQ(app.textOf(remainderMark(1)), QStringLiteral("r"));
    app.click(Check);
    EXPECT_TRUE(app.cell(text(9))->isMarkedWrong());
    EXPECT_TRUE(app.cell(stepCell(1, 5))->isMarkedWrong());
    EXPECT_EQ(app.cell(stepCell(1, 6))->background(), colour::LightCyan);
    EXPECT_EQ(app.cell(stepCell(1, 6))->textColour(), colour::Blue);
    app.click(Evaluate);
    EXPECT_EQ(verdict->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(verdict->textColour(), colour::Red);
    EXPECT_EQ(app.grade(), 7) << "(9 + 5) / 2, rounded down";
}

TEST(DivisionScreen, TheFinalRemainderShowsItsMarkAndAllowsTheCheck)
{
    struct Case {
        int dividend, divisor, row, lead, other;
    };
    const Case cases[] = {
        {7568, 23, 3, 6, 5},   // 329 r 1: the mark comes from column 6
        {7580, 23, 3, 5, 6},   // 329 r 13: from column 5
        {97, 12, 1, 6, 5},     // 8 r 1
        {95, 12, 1, 5, 6},     // 7 r 11
        {999999, 11, 5, 6, 5}, // 90909 r 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dividend);
        DivisionApp app;
        app.present(c.dividend, c.divisor);
        app.type(stepCell(c.row, c.other), QStringLiteral("1"));
        EXPECT_EQ(app.textOf(remainderMark(c.row)), QString()) << "not from the other column";
        EXPECT_FALSE(app.enabled(Check));

        // A refused key still shows the mark but leaves nothing to check.
        app.type(stepCell(c.row, c.lead), QStringLiteral("x"));
        EXPECT_EQ(app.textOf(remainderMark(c.row)), QStringLiteral("r"));
        EXPECT_EQ(app.textOf(stepCell(c.row, c.lead)), QString());
        EXPECT_FALSE(app.enabled(Check));
        app.type(stepCell(c.row, c.lead), QStringLiteral("0"));
        EXPECT_TRUE(app.enabled(Check));
        for (int row = 1; row <= 5; ++row) {
            if (row != c.row) {
                EXPECT_EQ(app.textOf(remainderMark(row)), QString()) << row;
            }
        }
    }
}

TEST(DivisionScreen, ChecksAfterTheFirstOnlyMarkAndEachDivisionCountsOnce)
{
    DivisionApp app;
    app.present(1203, 12);  // 100 r 3
    app.type(text(9), QStringLiteral("1"));
    app.type(text(10), QStringLiteral(":"));  // a sign for 0 is an error
    app.type(text(11), QStringLiteral("0"));
    app.type(stepCell(1, 5), QStringLiteral("0"));  // a zero remainder written out is fine
    app.type(stepCell(2, 6), QStringLiteral("3"));
    app.type(stepCell(3, 6), QStringLiteral("3"));
    app.click(Check);
    EXPECT_TRUE(app.cell(text(10))->isMarkedWrong());
    EXPECT_EQ(app.cell(stepCell(1, 5))->textColour(), colour::Blue);
    EXPECT_FALSE(app.enabled(Check));

    // Corrections after the first check are marked again but not counted.
    app.type(text(10), QStringLiteral("0"));
    EXPECT_FALSE(app.cell(text(10))->isMarkedWrong()) << "a key restores the typing colours";
    app.type(text(11), QStringLiteral("5"));
    app.type(stepCell(3, 6), QStringLiteral("3"));
    EXPECT_TRUE(app.enabled(Check));
    app.click(Check);
    EXPECT_TRUE(app.enabled(Check)) << "only the first press disables it";
    EXPECT_EQ(app.cell(text(11))->textColour(), colour::Red);
    EXPECT_EQ(app.cell(text(11))->background(), colour::LightCyan) << "marked, not counted";
    app.click(Evaluate);
    EXPECT_EQ(app.find<VerdictBox>(QStringLiteral("VerdictBox"))->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(app.grade(), 6);

    app.click(Check);
    EXPECT_FALSE(app.enabled(Evaluate)) << "an evaluated division is not evaluated again";
    EXPECT_EQ(app.screen().tally().evaluations(), 1);
}

TEST(DivisionScreen, LeavingKeepsTheTallyButNotTheDivision)
{
    DivisionApp app;
    app.present(7568, 23);
    write7568By23(app);
    app.click(QStringLiteral("MainMenuButton"));
    app.click(QStringLiteral("Command1"));
    EXPECT_EQ(app.textOf(text(6)), QString()) << "the page comes back empty";
    EXPECT_EQ(app.textOf(remainderMark(3)), QString());
    EXPECT_FALSE(app.enabled(OK));
    EXPECT_FALSE(app.enabled(Check));
    EXPECT_TRUE(app.enabled(selector(4)));
    app.type(stepCell(3, 6), QStringLiteral("1"));
    EXPECT_EQ(app.textOf(remainderMark(3)), QString()) << "the division left behind is gone";
    EXPECT_FALSE(app.enabled(Check));
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Division), 1);
    EXPECT_EQ(app.grade(), 0);

    // The next division is graded as usual.
    app.present(7568, 23);
    EXPECT_EQ(app.textOf(stepCell(3, 6)), QString());
    write7568By23(app);
    app.click(Check);
    app.click(Evaluate);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Division), 2);
    EXPECT_EQ(app.grade(), 9);
    EXPECT_EQ(app.screen().tally().evaluations(), 1);
}

QColor pixelAt(Page& page, TwipPoint at)
{
    return page.grab().toImage().pixelColor(page.toPixels(at).toPoint());
}

TEST(DivisionScreen, ThePenDrawsInItsStripAndStopsOutsideIt)
{
    DivisionApp app;
    Page& page = app.page();
    const auto px = [&](int x, int y) { return page.toPixels({x, y}).toPoint(); };

    QTest::mousePress(&page, Qt::LeftButton, {}, px(400, 900));
    QTest::mouseMove(&page, px(1000, 900));
    QTest::mouseMove(&page, px(1600, 900));
    EXPECT_EQ(page.strokeCount(), 2);
    EXPECT_EQ(fromQColor(pixelAt(page, {1300, 900})), colour::Blue);
    QTest::mouseMove(&page, px(2000, 1300));  // below the strip: the stroke ends
    QTest::mouseMove(&page, px(2200, 900));
    EXPECT_EQ(page.strokeCount(), 2) << "coming back does not resume the stroke";
    QTest::mouseRelease(&page, Qt::LeftButton, {}, px(2200, 900));

    // The strip's edges belong to it: find the last pixel inside the right edge.
    int edge = px(3800, 900).x() + 3;
    while (page.toTwips(QPointF(edge, 0)).x > 3800)
        --edge;
    QTest::mousePress(&page, Qt::LeftButton, {}, px(3000, 900));
    QTest::mouseMove(&page, QPoint(edge, px(3000, 900).y()));
    EXPECT_EQ(page.strokeCount(), 3);
    QTest::mouseMove(&page, QPoint(edge + 1, px(3000, 900).y()));
    QTest::mouseMove(&page, px(3000, 900));
    EXPECT_EQ(page.strokeCount(), 3);
    QTest::mouseRelease(&page, Qt::LeftButton, {}, px(3000, 900));

    // The right button erases with the paper's own colour; the middle draws nothing.
    QTest::mousePress(&page, Qt::RightButton, {}, px(1200, 900));
    QTest::mouseMove(&page, px(1400, 900));
    QTest::mouseRelease(&page, Qt::RightButton, {}, px(1400, 900));
    EXPECT_EQ(fromQColor(pixelAt(page, {1300, 900})), colour::LightCyan);
    EXPECT_EQ(page.paperColour(), colour::LightCyan);
    QTest::mousePress(&page, Qt::MiddleButton, {}, px(1200, 800));
    QTest::mouseMove(&page, px(1400, 800));
    QTest::mouseRelease(&page, Qt::MiddleButton, {}, px(1400, 800));
    EXPECT_EQ(page.strokeCount(), 4);

    app.present(7568, 23);
    EXPECT_EQ(page.strokeCount(), 4) << "a new division leaves the drawings";
}

// The cells rest on paper of their colour, so its ruling shows through
// them; a cell marked wrong is painted white over it.
TEST(DivisionScreen, TheRulingShowsThroughRestingCellsOnly)
{
    DivisionApp app;
    app.present(7568, 23);
    Page& page = app.page();
    const auto columnAt = [&](int x, int y) {
        const QImage image = page.grab().toImage();
        const QPoint at = page.toPixels({x, y}).toPoint();
        std::set<Colour> seen;
        for (int dx = -1; dx <= 1; ++dx)
            seen.insert(fromQColor(image.pixelColor(at.x() + dx, at.y())));
        return seen;
    };
    // Text9 covers 6240..6852: the line at 6840 runs through it.
    const std::set<Colour> resting = columnAt(6840, 1300);
    EXPECT_TRUE(resting.count(colour::LightCyan));
    EXPECT_GT(resting.size(), 1u) << "the ruling is hidden by a resting cell";
    app.type(QStringLiteral("Text9"), QStringLiteral("1"));
    app.type(stepCell(3, 6), QStringLiteral("1"));
    app.click(Check);
    ASSERT_TRUE(app.cell(QStringLiteral("Text9"))->isMarkedWrong());
    EXPECT_EQ(columnAt(6840, 1300), std::set<Colour>{colour::White});
}

// Random clicks and keys over the screen never break its rules.
TEST(DivisionScreen, RandomInputKeepsEveryCellToOneCharacter)
{
    DivisionApp app;
    std::mt19937 pick(20261206);
    std::vector<QString> cells;
    for (int n = 9; n <= 33; ++n)
        cells.push_back(text(n));
    const std::vector<QString> clicks{OK, Check, Evaluate, selector(2), selector(3), selector(4),
                                      selector(5), selector(6)};
    const QString keys = QStringLiteral("0123456789/:0123456789ax ");
    std::int16_t presented = 0;
    for (int event = 0; event < 600; ++event) {
        if (pick() % 4 == 0) {
            app.click(clicks[pick() % clicks.size()]);
        } else {
            const QString& name = cells[pick() % cells.size()];
            if (pick() % 8 == 0)
                app.key(name, Qt::Key_Backspace);
            else
                app.type(name, QString(keys[static_cast<qsizetype>(pick() % keys.size())]));
        }
        const auto& exercise = app.screen().exercise();
        for (const QString& name : cells) {
            const DigitCell* cell = app.cell(name);
            ASSERT_LE(cell->text().size(), 1) << name.toStdString();
            if (cell->isReadOnly()) {
                ASSERT_TRUE(cell->text().isEmpty()) << name.toStdString();
            }
        }
        ASSERT_GE(app.board.presentedCount(ExerciseFamily::Division), presented);
        presented = app.board.presentedCount(ExerciseFamily::Division);
        const int grade = app.grade();
        ASSERT_TRUE(grade == 0 || (grade >= 5 && grade <= 10)) << grade;
        ASSERT_LE(app.screen().tally().evaluations(), presented);
        ASSERT_TRUE(!exercise.hasDivision() || exercise.divisor() <= exercise.dividend());
    }
    EXPECT_GT(presented, 0);
}

}  // namespace
}  // namespace quillo::testing
