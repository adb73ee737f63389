#include "support/drawn_whole.h"
#include "support/scenes.h"
#include "ui/screens/fractions/fraction_concept_screen.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace quillo::testing {
namespace {

// The fraction concept's parts are the filled rectangles of the pages.
std::vector<const RectShape*> partsOf(Harness& app)
{
    std::vector<const RectShape*> parts;
    if (const auto* screen = dynamic_cast<const FractionConceptScreen*>(app.registry.instance(app.registry.current()))) {
        for (int part = FractionConceptExercise::kFirstPart; part <= FractionConceptExercise::kLastPart; ++part)
            parts.push_back(screen->partShape(part));
    }
    return parts;
}

// Every state the screenshots show of an exercise screen (opened, presented,
// filled, checked, evaluated) with the exercises that crowd a page most:
// products of three partial products, one-, two- and three-digit fractions,
// 5/1000 beside 12,5, 50/49 beside "OK", two-digit denominators, wrong
// answers marked, the longest verdicts, a small and a large window.
TEST(DrawnWhole, EveryExerciseScreenInEveryStateItsScenesReach)
{
    std::set<ScreenId> screens;
    for (const Scene& scene : scenes()) {
        Harness app(scene.windowSize);
        scene.drive(app, [&](const QString& state) {
            Harness::settle();
            if (!familyOf(app.registry.current()))
                return;
            screens.insert(app.registry.current());
            for (const std::string& fault : drawnWholeFaults(app.page(), partsOf(app)))
                ADD_FAILURE() << scene.name.toStdString() << "-" << state.toStdString() << ": " << fault;
        });
    }
    EXPECT_EQ(screens.size(), kFamilyCount) << "every exercise screen is walked";
}

// The menus and the report card, its words at their longest, in a small and
// a large window.
TEST(DrawnWhole, TheMenusAndTheReportCard)
{
    for (const QSize window : {QSize(951, 687), QSize(1920, 1080)}) {
        for (const ScreenId screen : {ScreenId::MainMenu, ScreenId::FractionsMenu, ScreenId::DecimalsMenu,
                                      ScreenId::GlobalEvaluation}) {
            Harness app(window);
            app.enterName(QStringLiteral("Maria Vittoria Bonaccorsi V B"));
            app.board.notePresented(ExerciseFamily::Subtraction);
            app.board.notePresented(ExerciseFamily::PlaceValue);
            app.registry.showScreen(screen);
            Harness::settle();
            for (const std::string& fault : drawnWholeFaults(app.page(), {}))
                ADD_FAILURE() << app.page().caption().toStdString() << ": " << fault;
        }
    }
}

}  // namespace
}  // namespace quillo::testing
