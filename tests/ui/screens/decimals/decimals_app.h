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
        app.click(QStringLiteral("decimalsMenuButton"));
        app.click(QString::fromLatin1(command));
    }
    DigitCell* cell(const QString& name) const { return app.find<DigitCell>(name); }
    QString label(const QString& name) const { return app.find<Label>(name)->text(); }
    void type(const QString& name, const char* keys) const { app.type(name, QString::fromUtf8(keys)); }
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
    // blanks as spaces and the box as "|"; each side counted from the box.
    QString row(int pair) const
    {
        const auto square = [&](const char* side, int step) {
            const QString text = label(QStringLiteral("pair%1%2Square%3").arg(pair).arg(QLatin1String(side)).arg(step));
            return text.isEmpty() ? QStringLiteral(" ") : text;
        };
        QString shown;
        for (int step = 7; step >= 1; --step)
            shown += square("Left", step);
        shown += QStringLiteral("|");
        for (int step = 1; step <= 7; ++step)
            shown += square("Right", step);
        return shown;
    }
};

}  // namespace quillo::testing
