#include "app/screen_id.h"
#include "decimals_script.h"
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

struct PlaceValueApp {
    Harness app;

    PlaceValueApp()
    {
        app.enterName();
        app.click(QStringLiteral("Command8"));
        app.click(QStringLiteral("Command1"));
    }
    DigitCell* cell(int index) const { return app.find<DigitCell>(box(index)); }
    QString text(int index) const { return cell(index)->text(); }
    QString digit(int index) const { return app.find<Label>(QStringLiteral("Label%1").arg(index))->text(); }
    bool enabled(const QString& name) const { return app.find<QWidget>(name)->isEnabled(); }
    QString verdict() const { return app.find<VerdictBox>(QStringLiteral("VerdictBox"))->text(); }
    int errors() { return placeValue().exercise().errorCount(); }
    const PlaceValueScreen& placeValue()
    {
        return *dynamic_cast<PlaceValueScreen*>(app.registry.instance(ScreenId::PlaceValue));
    }
    std::int16_t grade() const { return app.board.grade(ExerciseFamily::PlaceValue); }
    // Types every mark of 7,7 and 3,3 right.
    void markSevenAndThree() const
    {
        for (auto [index, mark] : {std::pair{4, "us"}, {1, "d"}, {14, "us"}, {11, "d"}})
            app.type(box(index), QString::fromLatin1(mark));
    }
};

TEST(PlaceValueScreen, AnExerciseFromOkToTheGrade)
{
    PlaceValueApp on;
    auto& app = on.app;
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Valore di posiszione delle cifre"));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(4)->isEnabled());

    scriptPlaceValue(app.random, 1, 2, {{5, 5, 5}, {1, 2, 1}});  // 55,5 and 12,1
    app.click(kOk);
    EXPECT_EQ(app.random.seeds(), 0) << "this screen draws on from the generator seeded at start-up";
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::PlaceValue), 1);
    EXPECT_EQ(on.digit(5) + on.digit(4) + app.find<Label>(QStringLiteral("Comma1"))->text() + on.digit(1),
              QStringLiteral("55,5"));
    EXPECT_EQ(on.digit(15) + on.digit(14) + on.digit(11), QStringLiteral("121"));
    EXPECT_EQ(on.digit(6), QString());
    for (int index : {1, 2, 4, 5, 6, 11, 14, 15})
        EXPECT_EQ(on.cell(index)->isVisible(), index != 2 && index != 6 && index != 14) << index;
    EXPECT_EQ(on.cell(1)->background(), 0x404040u);
    EXPECT_EQ(on.cell(1)->textColour(), 0xC0C0FFu);
    EXPECT_EQ(on.cell(5)->background(), colour::LightCyan);
    EXPECT_EQ(on.cell(5)->textColour(), colour::Red);
    EXPECT_FALSE(on.enabled(kOk));

    app.type(box(4), QStringLiteral("us"));
    app.type(box(5), QStringLiteral("das"));
    app.type(box(1), QStringLiteral("D"));
    app.type(box(15), QStringLiteral("das"));
    EXPECT_FALSE(on.enabled(kCheck));
    app.type(box(11), QStringLiteral("d"));
    EXPECT_TRUE(on.enabled(kCheck)) << "the second number's last decimal box enables the check";
    EXPECT_EQ(on.text(1), QStringLiteral("D")) << "a capital typed last stays as typed";

    app.click(kCheck);
    EXPECT_EQ(on.cell(1)->background(), colour::White);
    EXPECT_EQ(on.cell(1)->textColour(), 0xC0C0FFu) << "a wrong mark keeps its own colour";
    EXPECT_EQ(on.cell(4)->background(), colour::LightCyan);
    EXPECT_EQ(on.errors(), 2) << "the tenths box stands in two pairs";
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_TRUE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(4)->isEnabled());

    app.click(kEvaluate);
    EXPECT_EQ(on.verdict(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(app.find<VerdictBox>(QStringLiteral("VerdictBox"))->textColour(), colour::Red);
    EXPECT_EQ(on.grade(), 6);
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_TRUE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));

    // Corrected and checked again: marked afresh, never counted again.
    app.type(box(1), QStringLiteral("d"));
    EXPECT_EQ(on.cell(1)->background(), 0x404040u);
    app.click(kCheck);
    EXPECT_EQ(on.cell(1)->background(), 0x404040u);
    EXPECT_EQ(on.errors(), 2);
    EXPECT_FALSE(on.enabled(kEvaluate));

    // The next one, all right: (6 + 10) / 2.
    scriptPlaceValue(app.random, 1, 1, {{7, 7}, {3, 3}});
    app.click(kOk);
    EXPECT_EQ(on.verdict(), QString());
    EXPECT_EQ(on.text(4), QString());
    on.markSevenAndThree();
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(on.verdict(), QStringLiteral("Va bene"));
    EXPECT_EQ(on.grade(), 8);
}

TEST(PlaceValueScreen, MarkBoxesKeepTheirOwnRules)
{
    PlaceValueApp on;
    auto& app = on.app;
    scriptPlaceValue(app.random, 1, 2, {{5, 5, 5}, {1, 2, 1}});
    app.click(kOk);

    // A whole box adds letters and lowers what was already there.
    app.type(box(4), QStringLiteral("U"));
    EXPECT_EQ(on.text(4), QStringLiteral("U"));
    app.type(box(4), QStringLiteral("s"));
    EXPECT_EQ(on.text(4), QStringLiteral("us"));
    app.key(box(4), Qt::Key_Backspace);
    app.type(box(4), QStringLiteral("S"));
    EXPECT_EQ(on.text(4), QStringLiteral("uS"));

    // One letter past the place's mark empties the box.
    app.type(box(5), QStringLiteral("das"));
    EXPECT_EQ(on.text(5), QStringLiteral("das"));
    app.type(box(5), QStringLiteral("x"));
    EXPECT_EQ(on.text(5), QString());
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

    // Keys held down, with no release between them, still find a limit.
    for (int index : {1, 4, 5}) {
        auto* cell = on.cell(index);
        cell->setFocus();
        for (int key = Qt::Key_A; key <= Qt::Key_F; ++key)
            QTest::keyPress(cell, static_cast<Qt::Key>(key));
        EXPECT_EQ(cell->text().size(), index == 1 ? 1 : index == 4 ? 3 : 4) << index;
        QTest::keyRelease(cell, Qt::Key_F);
        EXPECT_EQ(cell->text().size(), index == 1 ? 1 : 0) << index;
    }
}

TEST(PlaceValueScreen, AnExerciseLeftUnevaluatedIsNeverGraded)
{
    PlaceValueApp on;
    auto& app = on.app;
    scriptPlaceValue(app.random, 3, 1, {{4, 2, 3, 2}, {6, 8, 5, 6}});  // 2,423 and 6,685
    app.click(kOk);
    EXPECT_FALSE(on.cell(12)->isVisible());
    app.type(box(2), QStringLiteral("c"));
    EXPECT_FALSE(on.enabled(kCheck));
    app.type(box(11), QStringLiteral("x"));
    EXPECT_TRUE(on.enabled(kCheck)) << "the tenths are the second number's last shown decimal box";
    app.click(kCheck);
    EXPECT_EQ(on.errors(), 3);
    ASSERT_TRUE(on.enabled(kEvaluate));

    app.click(QStringLiteral("SectionMenuButton"));
    EXPECT_EQ(app.registry.current(), ScreenId::DecimalsMenu);
    app.click(QStringLiteral("Command1"));
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(1)->isEnabled());
    EXPECT_EQ(on.digit(1), QString()) << "the page comes back in its design state";

    scriptPlaceValue(app.random, 1, 1, {{7, 7}, {3, 3}});
    app.click(kOk);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::PlaceValue), 2);
    on.markSevenAndThree();
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(on.grade(), 10) << "the later exercise is graded on its own";
    EXPECT_EQ(on.placeValue().tally().evaluations(), 1);
}

}  // namespace
}  // namespace quillo::testing
