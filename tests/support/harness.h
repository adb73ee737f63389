#pragma once

#include "core/scoring/score_board.h"
#include "ui/app/screen_registry.h"
#include "support/scripted_random.h"
#include "ui/kit/digit_cell.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/main_window.h"
#include "ui/toolkit/page.h"

#include <QString>
#include <QWidget>

namespace quillo::testing {

// A whole program in one object: the window, the scoreboard, a scripted
// random source and the registry, opened on the main menu as at start-up.
class Harness {
public:
    explicit Harness(QSize windowSize = {951, 687});

    ScoreBoard board;
    ScriptedRandom random;
    MainWindow window;
    ScreenRegistry registry{window, board, random};

    Page& page() const;
    // The control of the current page with this name and type. Without one
    // it throws: the test fails there and the others still run.
    template <typename T = QWidget>
    T* find(const QString& name) const
    {
        T* widget = qobject_cast<T*>(lookUp(name));
        if (!widget)
            reportMissing(name);
        return widget;
    }
    bool has(const QString& name) const { return lookUp(name) != nullptr; }

    // Real events, through QTest.
    void click(const QString& name) const;
    void type(const QString& name, const QString& keys) const;
    void key(const QString& name, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    // Leaves the first visit of the main menu with a name.
    void enterName(const QString& name = QStringLiteral("Anna")) const;
    // Lets pages that were switched away go.
    static void settle();

private:
    QWidget* lookUp(const QString& name) const;
    [[noreturn]] static void reportMissing(const QString& name);
};

}  // namespace quillo::testing
