#pragma once

#include "ui/kit/screen_id.h"
#include "ui/screens/exercise_app.h"

#include <gtest/gtest.h>

namespace quillo::testing {

// One of the two decimal-number screens, opened from its menu.
struct DecimalsApp : ExerciseApp {
    explicit DecimalsApp(const char* command) : ExerciseApp({"decimalsMenuButton", command}) {}
    using Harness::type;
    void type(const QString& name, const char* keys) const { Harness::type(name, QString::fromUtf8(keys)); }
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
