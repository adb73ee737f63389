#pragma once

#include "ui/kit/screen_id.h"
#include "ui/kit/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

namespace quillo::testing {

// One of the two decimal-number screens, opened from its menu.
struct DecimalsApp {
    Harness app;

    explicit DecimalsApp(const char* command)
    {
        app.enterName();
        app.click(QStringLiteral("Command8"));
        app.click(QString::fromLatin1(command));
    }
    DigitCell* cell(int index) const { return app.find<DigitCell>(QStringLiteral("Text%1").arg(index)); }
    QString label(int index) const { return app.find<Label>(QStringLiteral("Label%1").arg(index))->text(); }
    void type(int index, const char* keys) const { app.type(cell(index)->objectName(), QString::fromUtf8(keys)); }
    void click(const char* button) const { app.click(QString::fromLatin1(button) + QStringLiteral("Button")); }
    // "OK", "Controllo" and "Valutazione" as 1 enabled, 0 disabled.
    QString buttons() const
    {
        QString states;
        for (const char* name : {"newExerciseButton", "checkButton", "evaluateButton"})
            states += app.find<QWidget>(QString::fromLatin1(name))->isEnabled() ? u'1' : u'0';
        return states;
    }
    VerdictBox* verdict() const { return app.find<VerdictBox>(QStringLiteral("verdictBox")); }
    // What pair k of the comparison shows across its fourteen places,
    // blanks as spaces and the box as "|".
    QString row(int pair) const
    {
        QString shown;
        for (int i : {7, 6, 5, 4, 3, 2, 1, 0, 8, 9, 10, 11, 12, 13, 14}) {
            const QString text = i == 0 ? QStringLiteral("|") : label(14 * (pair - 1) + i);
            shown += text.isEmpty() ? QStringLiteral(" ") : text;
        }
        return shown;
    }
};

}  // namespace quillo::testing
