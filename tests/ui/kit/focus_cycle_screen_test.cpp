#include "support/scenes.h"
#include "ui/screens/columns/column_driving.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace quillo::testing {
namespace {

QWidget* focused() { return QApplication::focusWidget(); }

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

// The control that leaves the exercise, and the work on it, behind, if the
// keyboard rests on one.
QString leaving(const QWidget* focus)
{
    for (const char* name : {"exitButton", "mainMenuButton", "sectionMenuButton"})
        if (focus && focus->objectName() == QLatin1String(name))
            return focus->objectName();
    return {};
}

// What the pupil holds the keyboard on after a step: never a control that
// leaves the exercise, never a square where no digit is expected (unless it
// holds a digit the check marked wrong).
void expectNothingThatLosesWork()
{
    QWidget* focus = focused();
    ASSERT_NE(focus, nullptr) << "the keyboard went nowhere";
    EXPECT_EQ(leaving(focus), QString());
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
            expectNothingThatLosesWork();
            if (state.endsWith(QLatin1String("checked")) || state.contains(QLatin1String("checked-"))) {
                ++checks;
                const std::vector<DigitCell*> wrong = wrongCells(app.page());
                QWidget* evaluate = app.find(kEvaluate);
                if (!wrong.empty()) {
                    EXPECT_EQ(focused(), wrong.front()) << "the first wrong cell";
                } else if (evaluate->isEnabled()) {
                    EXPECT_EQ(focused(), evaluate);
                }
            }
            if (state.contains(QLatin1String("evaluated"))) {
                ++evaluations;
                QWidget* ok = app.find(kOk);
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

TEST(FocusGuard, AControlGoingGreyNeverHandsTheKeyboardToExitOnAnyScreen)
{
    for (int id = 0; id < kScreenCount; ++id) {
        const auto screen = static_cast<ScreenId>(id);
        Harness app;
        app.enterName();
        app.registry.showScreen(screen);
        Harness::settle();
        // The controls the keyboard can rest on. "Stampa" is left out: its
        // dialogs would wait for a pupil who is not there.
        QStringList names;
        const QWidget* exit = app.find(QStringLiteral("exitButton"));
        for (QWidget* widget : app.page().findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget);
            if (control && widget != exit && widget->objectName() != QStringLiteral("printButton")
                && widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
                names << widget->objectName();
        }
        for (const QString& name : names) {
            SCOPED_TRACE(::testing::Message() << "screen " << id << ", " << name.toStdString());
            app.registry.showScreen(screen);
            Harness::settle();
            QWidget* control = app.find(name);
            control->setFocus(Qt::MouseFocusReason);
            control->setEnabled(false);
            // Off an exercise only "exit" would lose anything.
            const QString left = leaving(focused());
            EXPECT_TRUE(familyOf(screen) ? left.isEmpty() : left != QStringLiteral("exitButton")) << left.toStdString();
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
                if (QWidget* widget = focused())
                    QTest::keyClick(widget, key);
                Harness::settle();
            }
            ASSERT_FALSE(app.registry.hasEnded());
        }
    }
}

// "OK" goes grey and hands the keys to the units; the keyboard handed back
// to "exit" by no control of the page, as when a dialog closes, goes on to
// the first empty cell; once every cell is written, to "Controllo".
TEST(FocusGuard, HandedToExitTheKeysGoToTheNextEmptyCellOrOnceAllAreWrittenToControllo)
{
    ColumnApp app("subtractionButton");
    force(app, {5000, 4999});
    app.click(kOk);
    EXPECT_EQ(focused(), app.find(QStringLiteral("differenceDigit1")));
    const auto handBack = [&] {
        focused()->clearFocus();
        app.find(QStringLiteral("exitButton"))->setFocus(Qt::ActiveWindowFocusReason);
        return focused();
    };
    // 5000 - 4999: four cells, the units first.
    for (const char* name : {"differenceDigit1", "differenceDigit2", "differenceDigit3", "differenceDigit4"}) {
        EXPECT_EQ(handBack(), app.find(QString::fromLatin1(name)));
        app.type(QString::fromLatin1(name), QStringLiteral("1"));
    }
    ASSERT_TRUE(app.find(kCheck)->isEnabled());
    EXPECT_EQ(handBack(), app.find(kCheck));
}

}  // namespace
}  // namespace quillo::testing
