#include "support/harness.h"
#include "support/scenes.h"
#include "ui/kit/keypad.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace quillo::testing {
namespace {

QWidget* focused() { return QApplication::focusWidget(); }

QAbstractButton* buttonCaptioned(const Page& page, const QString& caption)
{
    for (auto* button : page.findChildren<QAbstractButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

// The cells marked wrong that the pupil can put right, in Tab order.
std::vector<DigitCell*> wrongCells(const Page& page)
{
    std::vector<DigitCell*> wrong;
    for (QWidget* widget = page.nextInFocusChain(); widget && widget != &page; widget = widget->nextInFocusChain()) {
        auto* cell = qobject_cast<DigitCell*>(widget);
        if (cell && page.isAncestorOf(cell) && cell->isVisible() && cell->isEnabled() && !cell->isReadOnly()
            && cell->background() == colour::White && cell->textColour() == colour::Red)
            wrong.push_back(cell);
    }
    return wrong;
}

// What the pupil holds the keyboard on after a step: never a control that
// leaves the exercise, never a square where no digit is expected (unless it
// holds a digit the check marked wrong).
void expectNothingThatLosesWork(const Harness& app)
{
    QWidget* focus = focused();
    ASSERT_NE(focus, nullptr) << "the keyboard went nowhere";
    for (const char* leaving : {"exit", "Menu", "Menu fraz", "Menu dec"})
        EXPECT_NE(focus, buttonCaptioned(app.page(), QString::fromLatin1(leaving))) << leaving;
    if (auto* cell = qobject_cast<DigitCell*>(focus)) {
        EXPECT_TRUE((cell->focusPolicy() & Qt::TabFocus) || cell->isMarkedWrong())
            << "a square where no digit is expected: " << cell->accessibleName().toStdString();
    }
}

// Every exercise screen through the states its scenes walk, pressing the
// buttons with the mouse: after "Controllo" the keyboard is on the first
// cell marked wrong, else on "Valutazione"; after "Valutazione" on "OK", or,
// where "OK" waits for a choice, on a choice that can be pressed.
TEST(FocusCycle, AfterEveryButtonTheKeyboardGoesWhereThePupilNeedsIt)
{
    int checks = 0, evaluations = 0;
    for (const Scene& scene : scenes()) {
        Harness app(scene.windowSize);
        scene.drive(app, [&](const QString& state) {
            SCOPED_TRACE((scene.name + QLatin1Char('-') + state).toStdString());
            Harness::settle();
            expectNothingThatLosesWork(app);
            const Page& page = app.page();
            if (state.endsWith(QLatin1String("checked")) || state.contains(QLatin1String("checked-"))) {
                ++checks;
                const std::vector<DigitCell*> wrong = wrongCells(page);
                QAbstractButton* evaluate = buttonCaptioned(page, QStringLiteral("Valutazione"));
                if (!wrong.empty()) {
                    EXPECT_EQ(focused(), wrong.front()) << "the first wrong cell";
                } else if (evaluate->isEnabled()) {
                    EXPECT_EQ(focused(), evaluate);
                }
            }
            if (state.contains(QLatin1String("evaluated"))) {
                ++evaluations;
                QAbstractButton* ok = buttonCaptioned(page, QStringLiteral("OK"));
                if (ok->isEnabled()) {
                    EXPECT_EQ(focused(), ok);
                } else {
                    auto* choice = qobject_cast<ChoiceBox*>(focused());
                    ASSERT_NE(choice, nullptr) << "no OK: a choice comes next";
                    EXPECT_TRUE(choice->isEnabled());
                }
            }
        });
    }
    EXPECT_GE(checks, 20);
    EXPECT_GE(evaluations, 20);
}

// 7568 : 23 by the keyboard alone: Tab runs from each quotient digit to the
// partial dividend it leaves, never to an empty square; the final remainder
// opens "Controllo", and Space carries the pupil round the whole cycle.
TEST(FocusCycle, ADivisionIsDoneByKeyboardAloneWithTabThroughTheDigitsToWrite)
{
    Harness app;
    app.enterName();
    app.click(QStringLiteral("divisionButton"));
    ASSERT_TRUE(qobject_cast<ChoiceBox*>(focused())) << "a division page opens on a length to choose";
    app.key(QStringLiteral("dividendLength4"), Qt::Key_Space);
    EXPECT_EQ(focused(), app.find(QStringLiteral("newExerciseButton"))) << "a length chosen, OK comes next";
    app.random.push(drawing(7568, 1001, 1001 + 9999 - 1));
    app.random.push(drawing(23, 11, 109));
    QTest::keyClick(focused(), Qt::Key_Space);
    Harness::settle();

    // Digits in the order a pupil writes 7568 : 23 = 329 r 1.
    const char* const written[][2] = {
        {"Quoziente, cifra 1", "3"},         {"Resto parziale 1, cifra 3", "6"}, {"Resto parziale 1, cifra 2", "6"},
        {"Quoziente, cifra 2", "2"},         {"Resto parziale 2, cifra 3", "2"}, {"Resto parziale 2, cifra 2", "0"},
        {"Resto parziale 2, cifra 1", "8"},  {"Quoziente, cifra 3", "9"},        {"Resto parziale 3, cifra 1", "1"},
    };
    for (const auto& [cell, digit] : written) {
        ASSERT_EQ(focused()->accessibleName(), QString::fromUtf8(cell));
        QTest::keyClicks(focused(), QString::fromLatin1(digit));
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    EXPECT_EQ(focused(), app.find(QStringLiteral("checkButton"))) << "after the last digit, Controllo";
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(focused(), app.find(QStringLiteral("evaluateButton"))) << "nothing wrong: Valutazione";
    // A stray tap on the keypad now types nowhere.
    EXPECT_FALSE(keypadFilter(focused()).has_value());
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(app.find(QStringLiteral("verdictBox"))->property("text").toString(), QStringLiteral("Distinto"));
    EXPECT_EQ(focused(), app.find(QStringLiteral("dividendLength4"))) << "OK waits for a length: the one chosen";
    EXPECT_FALSE(app.registry.hasEnded());
}

}  // namespace
}  // namespace quillo::testing
