#include "app/screen_id.h"
#include "exercises/decimals/place_value_screen.h"
#include "kit/widgets/digit_cell.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <QTest>

namespace quillo::testing {
namespace {

const QString kOk = QStringLiteral("NewExerciseButton");
const QString kCheck = QStringLiteral("CheckButton");
const QString kEvaluate = QStringLiteral("EvaluateButton");

QString box(int index) { return QStringLiteral("Text%1").arg(index); }
QString digit(int index) { return QStringLiteral("Label%1").arg(index); }

struct PlaceValueApp {
    Harness app;

    PlaceValueApp()
    {
        app.enterName();
        app.click(QStringLiteral("Command8"));
        app.click(QStringLiteral("Command1"));
    }

    // Loads the next exercise's draws: sizes, then each number's decimal
    // digits from the tenths and whole digits from the units.
    void script(int decimals, int wholes, std::initializer_list<std::initializer_list<int>> digits)
    {
        app.random.push(drawing(decimals, 1, 3));
        app.random.push(drawing(wholes, 1, 6));
        for (const auto& number : digits)
            for (int d : number)
                app.random.push(drawing(d, 1, 9));
    }

    DigitCell* cell(int index) const { return app.find<DigitCell>(box(index)); }
    QString text(int index) const { return cell(index)->text(); }
    bool enabled(const QString& name) const { return app.find<QWidget>(name)->isEnabled(); }
    const PlaceValueScreen& screen()
    {
        return *dynamic_cast<PlaceValueScreen*>(app.registry.instance(ScreenId::PlaceValue));
    }
    std::int16_t grade() const { return app.board.grade(ExerciseFamily::PlaceValue); }
};

TEST(PlaceValueScreen, AnExerciseFromOkToTheGrade)
{
    PlaceValueApp on;
    auto& app = on.app;
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Valore di posiszione delle cifre"));
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(4)->isEnabled());

    on.script(1, 2, {{5, 5, 5}, {1, 2, 1}});  // 55,5 and 12,1
    app.click(kOk);
    EXPECT_TRUE(app.random.exhausted());
    EXPECT_EQ(app.random.seeds(), 0) << "this screen draws on from the generator seeded at start-up";
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::PlaceValue), 1);
    const char* shown[] = {"5", "5", "5", "1", "2", "1"};
    const int places[] = {5, 4, 1, 15, 14, 11};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(app.find<Label>(digit(places[i]))->text(), QString::fromLatin1(shown[i])) << places[i];
    EXPECT_EQ(app.find<Label>(digit(6))->text(), QString());
    EXPECT_EQ(app.find<Label>(QStringLiteral("Comma2"))->text(), QStringLiteral(","));
    for (int index : {1, 4, 5, 11, 15})
        EXPECT_TRUE(on.cell(index)->isVisible()) << index;
    for (int index : {2, 6, 9, 12, 14})
        EXPECT_FALSE(on.cell(index)->isVisible()) << index;
    EXPECT_EQ(on.cell(1)->background(), 0x404040u);
    EXPECT_EQ(on.cell(1)->textColour(), 0xC0C0FFu);
    EXPECT_EQ(on.cell(5)->background(), colour::LightCyan);
    EXPECT_EQ(on.cell(5)->textColour(), colour::Red);
    EXPECT_FALSE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));

    app.type(box(4), QStringLiteral("us"));
    app.type(box(5), QStringLiteral("das"));
    app.type(box(1), QStringLiteral("D"));
    app.type(box(15), QStringLiteral("das"));
    EXPECT_FALSE(on.enabled(kCheck)) << "only the second number's last decimal box enables the check";
    app.type(box(11), QStringLiteral("d"));
    EXPECT_TRUE(on.enabled(kCheck));
    EXPECT_EQ(on.text(1), QStringLiteral("D")) << "a capital typed last stays as typed";

    app.click(kCheck);
    EXPECT_EQ(on.cell(1)->background(), colour::White);
    EXPECT_EQ(on.cell(1)->textColour(), 0xC0C0FFu) << "a wrong mark keeps its own colour";
    for (int index : {4, 5, 11, 15})
        EXPECT_EQ(on.cell(index)->background(), PlaceValueScreen::boxBackground(index % 10)) << index;
    EXPECT_EQ(on.screen().exercise().errorCount(), 2) << "the tenths box stands in two pairs";
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_TRUE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(4)->isEnabled());

    app.click(kEvaluate);
    auto* verdict = app.find<VerdictBox>(QStringLiteral("VerdictBox"));
    EXPECT_EQ(verdict->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(verdict->textColour(), colour::Red);
    EXPECT_EQ(on.grade(), 6);
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_TRUE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_TRUE(on.cell(1)->isEnabled());

    // Corrected and checked again: only marked, never counted or graded again.
    app.type(box(1), QStringLiteral("d"));
    EXPECT_EQ(on.cell(1)->background(), 0x404040u);
    app.click(kCheck);
    EXPECT_EQ(on.cell(1)->background(), 0x404040u);
    EXPECT_EQ(on.screen().exercise().errorCount(), 2);
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_EQ(on.screen().tally().evaluations(), 1);

    // A second exercise, all right: (6 + 10) / 2.
    on.script(1, 1, {{7, 7}, {3, 3}});
    app.click(kOk);
    EXPECT_EQ(verdict->text(), QString());
    EXPECT_EQ(on.text(4), QString()) << "the boxes start empty";
    app.type(box(4), QStringLiteral("us"));
    app.type(box(1), QStringLiteral("d"));
    app.type(box(14), QStringLiteral("us"));
    app.type(box(11), QStringLiteral("d"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(verdict->text(), QStringLiteral("Va bene"));
    EXPECT_EQ(verdict->textColour(), colour::Blue);
    EXPECT_EQ(on.grade(), 8);
}

TEST(PlaceValueScreen, MarkBoxesKeepTheirOwnRules)
{
    PlaceValueApp on;
    auto& app = on.app;
    on.script(1, 2, {{5, 5, 5}, {1, 2, 1}});
    app.click(kOk);

    // A whole box: letters add up, and what was there is lowered.
    app.type(box(4), QStringLiteral("U"));
    EXPECT_EQ(on.text(4), QStringLiteral("U"));
    app.type(box(4), QStringLiteral("s"));
    EXPECT_EQ(on.text(4), QStringLiteral("us"));
    app.key(box(4), Qt::Key_Backspace);
    EXPECT_EQ(on.text(4), QStringLiteral("u"));
    app.type(box(4), QStringLiteral("S"));
    EXPECT_EQ(on.text(4), QStringLiteral("uS"));

    // One letter past the place's mark empties the box.
    app.type(box(5), QStringLiteral("das"));
    EXPECT_EQ(on.text(5), QStringLiteral("das"));
    app.type(box(5), QStringLiteral("x"));
    EXPECT_EQ(on.text(5), QString());
    app.type(box(15), QStringLiteral("da"));
    EXPECT_EQ(on.text(15), QStringLiteral("da"));
    app.key(box(4), Qt::Key_Backspace);
    app.key(box(4), Qt::Key_Backspace);
    app.type(box(4), QStringLiteral("da"));
    EXPECT_EQ(on.text(4), QStringLiteral("da"));
    app.type(box(4), QStringLiteral("s"));
    EXPECT_EQ(on.text(4), QString()) << "\"das\" does not fit the units";

    // A decimal box holds the one character of the latest key, as typed.
    app.type(box(1), QStringLiteral("cmD"));
    EXPECT_EQ(on.text(1), QStringLiteral("D"));
    app.key(box(1), Qt::Key_Backspace);
    EXPECT_EQ(on.text(1), QString());

    // However the keys come, no box holds more than one letter past its mark.
    for (int index : {1, 4, 5, 11, 15}) {
        app.type(box(index), QStringLiteral("ABCDEFGHIJ kl;'<>"));
        EXPECT_LE(on.text(index).size(), index % 10 == 5 ? 3 : 2) << index;
    }
    for (int index : {4, 5, 15}) {
        auto* cell = on.cell(index);
        cell->setFocus();
        for (char c : std::string("abcdef")) {
            QTest::keyPress(cell, static_cast<Qt::Key>(Qt::Key_A + (c - 'a')), Qt::NoModifier);
            EXPECT_LE(cell->text().size(), cell->maxLength());
        }
        EXPECT_LE(cell->maxLength(), index == 5 || index == 15 ? 4 : 3);
    }
}

TEST(PlaceValueScreen, TheLastShownDecimalOfTheSecondNumberEnablesTheCheck)
{
    PlaceValueApp on;
    auto& app = on.app;
    on.script(3, 1, {{4, 2, 3, 2}, {6, 8, 5, 6}});  // 2,423 and 6,685: second paired in the tenths only
    app.click(kOk);
    EXPECT_TRUE(on.cell(11)->isVisible());
    EXPECT_FALSE(on.cell(12)->isVisible());
    EXPECT_FALSE(on.cell(13)->isVisible());
    EXPECT_FALSE(on.enabled(kCheck));
    app.type(box(2), QStringLiteral("c"));
    EXPECT_FALSE(on.enabled(kCheck));
    app.type(box(11), QStringLiteral("x"));
    EXPECT_TRUE(on.enabled(kCheck));

    // One right, three wrong or empty: more than two errors.
    app.click(kCheck);
    EXPECT_EQ(on.screen().exercise().errorCount(), 3);
    app.click(kEvaluate);
    EXPECT_EQ(app.find<VerdictBox>(QStringLiteral("VerdictBox"))->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(on.grade(), 5);
}

TEST(PlaceValueScreen, AnExerciseLeftUnevaluatedIsNeverGraded)
{
    PlaceValueApp on;
    auto& app = on.app;
    on.script(1, 1, {{7, 7}, {3, 3}});
    app.click(kOk);
    app.type(box(11), QStringLiteral("d"));
    app.click(kCheck);
    ASSERT_TRUE(on.enabled(kEvaluate));

    app.click(QStringLiteral("SectionMenuButton"));
    EXPECT_EQ(app.registry.current(), ScreenId::DecimalsMenu);
    app.click(QStringLiteral("Command1"));
    EXPECT_EQ(app.registry.current(), ScreenId::PlaceValue);
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(1)->isEnabled());
    EXPECT_EQ(app.find<Label>(digit(1))->text(), QString()) << "the page comes back in its design state";
    EXPECT_EQ(on.grade(), 0);

    on.script(1, 1, {{2, 2}, {9, 9}});
    app.click(kOk);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::PlaceValue), 2);
    app.type(box(4), QStringLiteral("us"));
    app.type(box(1), QStringLiteral("d"));
    app.type(box(14), QStringLiteral("us"));
    app.type(box(11), QStringLiteral("d"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(on.grade(), 10) << "the later exercise is graded normally";
    EXPECT_EQ(on.screen().tally().evaluations(), 1);

    app.click(QStringLiteral("MainMenuButton"));
    EXPECT_EQ(app.registry.current(), ScreenId::MainMenu);
}

}  // namespace
}  // namespace quillo::testing
