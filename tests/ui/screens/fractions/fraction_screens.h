#pragma once

#include "ui/kit/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

namespace quillo::testing {

inline const QString kOk = QStringLiteral("newExerciseButton");
inline const QString kCheck = QStringLiteral("checkButton");
inline const QString kEvaluate = QStringLiteral("evaluateButton");

// The program opened on one fraction screen through the fractions menu.
template <typename Screen>
struct FractionScreenApp {
    mutable Harness app;
    QString menuButton;
    ScreenId id;
    // The name of the screen's answer cell with this index, from 0.
    QString (*cellName)(int);

    FractionScreenApp(const char* button, ScreenId screenId, QString (*answerName)(int))
        : menuButton(QString::fromLatin1(button)), id(screenId), cellName(answerName)
    {
        app.enterName();
        app.click(QStringLiteral("fractionsMenuButton"));
        app.click(menuButton);
    }
    Screen& screen() const { return dynamic_cast<Screen&>(*app.registry.instance(id)); }
    bool enabled(const QString& name) const { return app.find(name)->isEnabled(); }
    DigitCell* cell(int index) const { return app.find<DigitCell>(cellName(index)); }
    QString label(const QString& name) const { return app.find<QLabel>(name)->text(); }
    VerdictBox* verdict() const { return app.find<VerdictBox>(QStringLiteral("verdictBox")); }
    void type(int index, const char* keys) const { app.type(cellName(index), QString::fromLatin1(keys)); }
    // Types into the cells from `first` on, one text each.
    void answer(std::initializer_list<const char*> answers, int first = 0) const
    {
        for (const char* keys : answers)
            type(first++, keys);
    }
    void checkAndEvaluate() const
    {
        app.click(kCheck);
        app.click(kEvaluate);
    }
    void leaveAndReturn() const
    {
        app.click(QStringLiteral("sectionMenuButton"));
        app.click(menuButton);
    }
};

}  // namespace quillo::testing
