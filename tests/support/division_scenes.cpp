#include "ui/screens/columns/division_screen.h"
#include "ui/screens/columns/column_driving.h"
#include "support/scenes.h"

#include <QTest>

namespace quillo::testing {
namespace {

using Cell = std::pair<int, int>;  // row, index as the exercise counts them

const DivisionExercise& exerciseOf(Harness& app)
{
    return dynamic_cast<DivisionScreen&>(*app.registry.instance(screenOf(ExerciseFamily::Division))).exercise();
}

// Types every expected digit, step row by step row and the final remainder last.
void writeOut(Harness& app)
{
    const DivisionExercise& exercise = exerciseOf(app);
    for (int row = 0; row <= DivisionExercise::kStepRows; ++row) {
        for (int index = DivisionExercise::cellsInRow(row); index >= 1; --index) {
            const int at = row == 0 ? DivisionExercise::cellsInRow(0) + 1 - index : index;
            const std::string digit = exercise.expectedText(row, at);
            if (!digit.empty())
                app.type(DivisionScreen::cellName(row, at), QString::fromStdString(digit));
        }
    }
}

// The division written out right, then the slips typed over it once the
// full page is pictured.
std::function<void(Harness&, const Shoot&)> walk(int dividend, int divisor, std::vector<std::pair<Cell, QString>> slips)
{
    return [=](Harness& app, const Shoot& shoot) {
        openNamed(app, {"divisionButton"});
        forceDivision(app, dividend, divisor);
        const Shoot thenSlip = [&](const QString& state) {
            shoot(state);
            if (state == QLatin1String("filled"))
                for (const auto& [cell, typed] : slips)
                    app.type(DivisionScreen::cellName(cell.first, cell.second), typed);
        };
        playRound(app, thenSlip, [&] { writeOut(app); });
    };
}

void markWithThePen(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"divisionButton"});
    forceDivision(app, 7568, 23);
    app.click(QStringLiteral("newExerciseButton"));
    Page& page = app.page();
    const auto px = [&](int x, int y) { return page.toPixels({x, y}).toPoint(); };
    // An arc over the first partial dividend, as a pupil marks "75".
    QTest::mousePress(&page, Qt::LeftButton, {}, px(1500, 1060));
    for (const TwipPoint at : {TwipPoint{1560, 900}, {1700, 800}, {1950, 760}, {2200, 780}, {2380, 880}, {2460, 1060}})
        QTest::mouseMove(&page, px(at.x, at.y));
    QTest::mouseRelease(&page, Qt::LeftButton, {}, px(2460, 1060));
    app.type(DivisionScreen::cellName(0, 1), QStringLiteral("3"));
    shoot(QStringLiteral("pen"));
}

const SceneRegistrar division{
    {QStringLiteral("division-L1"), {951, 687}, walk(95, 12, {{{1, 1}, QStringLiteral("2")}})},
    {QStringLiteral("division-L3"), {951, 687},
     walk(7568, 23, {{{0, 2}, QStringLiteral("3")}, {{2, 3}, QStringLiteral("3")}})},
    {QStringLiteral("division-L5"), {1400, 1012}, walk(756800, 23, {})},
    {QStringLiteral("division-pen"), {951, 687}, markWithThePen},
};

}  // namespace
}  // namespace quillo::testing
