#pragma once

#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace quillo::testing {

inline const QString kOk = QStringLiteral("NewExerciseButton");
inline const QString kCheck = QStringLiteral("CheckButton");
inline const QString kEvaluate = QStringLiteral("EvaluateButton");

inline QString cellName(int index) { return QStringLiteral("Text%1").arg(index + 1); }

// The program opened on one fraction screen through the fractions menu.
struct FractionScreenApp {
    Harness app;
    QString menuButton;

    explicit FractionScreenApp(const char* button) : menuButton(QString::fromLatin1(button))
    {
        app.enterName();
        app.click(QStringLiteral("Command7"));
        app.click(menuButton);
    }
    bool enabled(const QString& name) const { return app.find(name)->isEnabled(); }
    DigitCell* cell(int index) const { return app.find<DigitCell>(cellName(index)); }
    QString label(const QString& name) const { return app.find<QLabel>(name)->text(); }
    VerdictBox* verdict() const { return app.find<VerdictBox>(QStringLiteral("VerdictBox")); }
    void type(int index, const char* keys) const { app.type(cellName(index), QString::fromLatin1(keys)); }
    void answer(std::initializer_list<const char*> answers) const
    {
        int index = 0;
        for (const char* keys : answers)
            type(index++, keys);
    }
    void leaveAndReturn() const
    {
        app.click(QStringLiteral("SectionMenuButton"));
        app.click(menuButton);
    }

    // Random keys, clicks and returns; after every event no cell holds more
    // than `longest(cell)` characters nor any refused one, the count never
    // falls, the grade stays 0 or 5 to 10, and one page is shown.
    void monkey(ExerciseFamily family, const QString& keys, const std::function<int(int)>& longest,
                const QString& allowed) const
    {
        std::mt19937 dice(20261206);
        int presented = 0;
        for (int step = 0; step < 600; ++step) {
            const unsigned action = dice() % 12;
            if (action < 8) {
                const QChar key = keys[static_cast<int>(dice() % keys.size())];
                app.type(cellName(static_cast<int>(dice() % 4)), QString(key));
            } else if (action < 11) {
                const QString button = std::array{kOk, kCheck, kEvaluate}[dice() % 3];
                if (enabled(button))
                    app.click(button);
            } else {
                leaveAndReturn();
            }
            for (int index = 0; index < 4; ++index) {
                const QString text = cell(index)->text();
                ASSERT_LE(text.size(), longest(index)) << step;
                for (QChar c : text)
                    ASSERT_TRUE(allowed.contains(c)) << text.toStdString();
            }
            ASSERT_GE(app.board.presentedCount(family), presented);
            presented = app.board.presentedCount(family);
            const int grade = app.board.grade(family);
            ASSERT_TRUE(grade == 0 || (grade >= 5 && grade <= 10)) << grade;
            ASSERT_EQ(app.window.findChildren<Page*>().size(), 1);
        }
        EXPECT_GT(presented, 5);
    }
};

}  // namespace quillo::testing
