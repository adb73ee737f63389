#include "core/exercises/fractions/fraction_concept/fraction_concept_exercise.h"
#include "support/scenes.h"

namespace quillo::testing {
namespace {

// Colours the first n parts red and the others blue, the way a pupil does.
void colourWhole(Harness& app, int n, int d)
{
    const std::vector<int> parts = FractionConceptExercise::wholeParts(d);
    app.click(QStringLiteral("redSwatch"));
    for (int i = 0; i < d; ++i) {
        if (i == n)
            app.click(QStringLiteral("blueSwatch"));
        app.click(QStringLiteral("part%1").arg(parts[static_cast<std::size_t>(i)]));
    }
}

void drawFraction(Harness& app, int n, int d)
{
    app.random.push(drawing(n, 1, 13));
    app.random.push(drawing(d, 3, 16));
}

void everyWhole(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"fractionsMenuButton", "fractionConceptButton"}, shoot);
    for (int d = 3; d <= 14; ++d) {
        const int n = d / 3 + 1;
        drawFraction(app, n, d);
        app.click(QStringLiteral("newExerciseButton"));
        colourWhole(app, n, d);
        shoot(QStringLiteral("whole-%1").arg(d, 2, 10, QLatin1Char('0')));
    }
}

void checkedAndEvaluated(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"fractionsMenuButton", "fractionConceptButton"});
    // 4/14 coloured right, written right: "Esatto".
    drawFraction(app, 4, 14);
    playRound(
        app, shoot,
        [&] {
            colourWhole(app, 4, 14);
            app.type(QStringLiteral("complementNumeratorUnits"), QStringLiteral("0"));
            app.type(QStringLiteral("complementNumeratorTens"), QStringLiteral("1"));
            app.type(QStringLiteral("complementDenominatorUnits"), QStringLiteral("4"));
            app.type(QStringLiteral("complementDenominatorTens"), QStringLiteral("1"));
        },
        {"right-", nullptr, nullptr, nullptr});
    // 2/5 with one red too many and a wrong numerator: a white part, a red
    // cell and "Errato".
    drawFraction(app, 2, 5);
    playRound(
        app, shoot,
        [&] {
            colourWhole(app, 3, 5);
            app.type(QStringLiteral("complementNumeratorUnits"), QStringLiteral("2"));
            app.type(QStringLiteral("complementDenominatorUnits"), QStringLiteral("5"));
        },
        {"wrong-", nullptr, "typed"});
}

// Ten fractions with one- and two-digit terms, answered with three errors.
void kindsChecked(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"fractionsMenuButton", "fractionKindsButton"}, shoot);
    for (int n : {12, 7, 5, 3, 9, 7, 99, 1, 98, 50})
        app.random.push(drawing(n, 1, 99));
    for (int d : {4, 7, 1, 8, 4, 12, 1, 99, 49, 49})
        app.random.push(drawing(d, 1, 99));
    playRound(
        app, shoot,
        [&] {
            for (int i = 0; i < 10; ++i)
                app.type(QStringLiteral("fraction%1Kind").arg(i + 1), QString(QLatin1Char("aiapapappi"[i])));
        },
        {.filled = "typed"});
}

const SceneRegistrar fractionConcept{
    {QStringLiteral("fraction-concept"), {951, 687}, everyWhole},
    {QStringLiteral("fraction-concept-check"), {951, 687}, checkedAndEvaluated},
    {QStringLiteral("fraction-concept-large"), {1400, 1012}, checkedAndEvaluated},
    {QStringLiteral("fraction-kinds"), {951, 687}, kindsChecked},
};

}  // namespace
}  // namespace quillo::testing
