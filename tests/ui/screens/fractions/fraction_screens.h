#pragma once

#include "ui/screens/exercise_app.h"

#include <gtest/gtest.h>

namespace quillo::testing {

// The program opened on one fraction screen through the fractions menu.
template <typename Screen>
struct FractionScreenApp : ExerciseApp {
    ScreenId id;
    // The name of the screen's answer cell with this index, from 0.
    QString (*cellName)(int);

    FractionScreenApp(const char* button, ScreenId screenId, QString (*answerName)(int))
        : ExerciseApp({"fractionsMenuButton", button}), id(screenId), cellName(answerName)
    {
    }
    Screen& screen() { return dynamic_cast<Screen&>(*registry.instance(id)); }
    using ExerciseApp::cell;
    DigitCell* cell(int index) const { return find<DigitCell>(cellName(index)); }
    using Harness::type;
    void type(int index, const char* keys) const { Harness::type(cellName(index), QString::fromLatin1(keys)); }
    // Types into the cells from `first` on, one text each.
    void answer(std::initializer_list<const char*> answers, int first = 0) const
    {
        for (const char* keys : answers)
            type(first++, keys);
    }
    void checkAndEvaluate() const
    {
        click(kCheck);
        click(kEvaluate);
    }
};

}  // namespace quillo::testing
