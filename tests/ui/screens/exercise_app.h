#pragma once

#include "ui/kit/verdict_box.h"
#include "support/harness.h"

#include <QStringList>

namespace quillo::testing {

inline const QString kOk = QStringLiteral("newExerciseButton");
inline const QString kCheck = QStringLiteral("checkButton");
inline const QString kEvaluate = QStringLiteral("evaluateButton");

// The program with a name given, opened on one exercise screen through the
// menus, from the main menu on.
struct ExerciseApp : Harness {
    QStringList path;

    explicit ExerciseApp(std::initializer_list<const char*> buttons)
    {
        enterName();
        for (const char* button : buttons) {
            path << QString::fromLatin1(button);
            click(path.last());
        }
    }
    // Back to the menu the screen was opened from, and in again.
    void leaveAndReturn() const
    {
        click(path.size() > 1 ? QStringLiteral("sectionMenuButton") : QStringLiteral("mainMenuButton"));
        click(path.last());
    }
    bool enabled(const QString& name) const { return find(name)->isEnabled(); }
    DigitCell* cell(const QString& name) const { return find<DigitCell>(name); }
    QString label(const QString& name) const { return find<QLabel>(name)->text(); }
    VerdictBox* verdict() const { return find<VerdictBox>(QStringLiteral("verdictBox")); }
    // "OCV" for enabled "OK", "Controllo" and "Valutazione", "-" where disabled.
    QString buttons() const
    {
        return QString(QLatin1Char(enabled(kOk) ? 'O' : '-')) + QLatin1Char(enabled(kCheck) ? 'C' : '-') +
               QLatin1Char(enabled(kEvaluate) ? 'V' : '-');
    }
};

}  // namespace quillo::testing
