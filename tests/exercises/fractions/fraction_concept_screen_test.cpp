#include "ui/screens/fractions/fraction_concept_screen.h"
#include "fraction_screens.h"

namespace quillo::testing {
namespace {

constexpr auto F = ExerciseFamily::FractionConcept;

QString part(int number) { return QStringLiteral("Label%1").arg(number); }

// Cells 3 to 6 are Text4 to Text7: complement units and tens, denominator
// units and tens; Text1 and Text2 are the red and blue swatches.
struct ConceptApp : FractionScreenApp<FractionConceptScreen> {
    ConceptApp() : FractionScreenApp("Command1", ScreenId::FractionConcept) {}
    void present(int n, int d) const
    {
        app.random.push(drawing(n, 1, 13));
        app.random.push(drawing(d, 3, 16));
        app.click(kOk);
    }
    // One swatch per letter ('r', 'b', or '-' for none), then the part.
    void colour(const char* pattern)
    {
        const std::vector<int> parts = screen().exercise().wholeParts();
        for (std::size_t i = 0; pattern[i]; ++i) {
            if (pattern[i] != '-')
                app.click(cellName(pattern[i] == 'r' ? 0 : 1));
            app.click(part(parts.at(i)));
        }
    }
    // Two fifths coloured by the pattern, the complement written over 5.
    void twoFifths(const char* pattern, const char* complement, bool evaluate = true)
    {
        present(2, 5);
        colour(pattern);
        answer({complement}, 3);
        answer({"5"}, 5);
        app.click(kCheck);
        if (evaluate)
            app.click(kEvaluate);
    }
    Colour fillOf(int number) { return screen().partShape(number)->fill(); }
    QString printed() const
    {
        QStringList lines(app.page().printedLines().begin(), app.page().printedLines().end());
        return lines.join(QLatin1Char('|'));
    }
};

TEST(FractionConceptScreen, FromOkToTheGradeThroughASkippedExercise)
{
    ConceptApp on;
    EXPECT_FALSE(on.enabled(kCheck) || on.enabled(kEvaluate));
    on.present(2, 5);
    EXPECT_EQ(on.label(QStringLiteral("Label107")), QStringLiteral("5"));
    EXPECT_FALSE(on.cell(4)->isVisible()) << "no tens cell for a one-digit complement";
    for (int number = FractionConceptExercise::kFirstPart; number <= FractionConceptExercise::kLastPart; ++number)
        EXPECT_EQ(on.screen().partShape(number)->isVisible(), number >= 10 && number <= 14) << number;
    on.colour("rrbbb");
    EXPECT_EQ(on.fillOf(10), colour::Red);
    EXPECT_EQ(on.fillOf(14), colour::Blue);
    on.answer({"3"}, 3);
    EXPECT_FALSE(on.enabled(kCheck)) << "only the leading denominator cell opens the check";
    on.answer({"5"}, 5);
    on.app.click(kCheck);
    EXPECT_FALSE(on.enabled(kCheck) || on.cell(3)->isEnabled());
    EXPECT_EQ(on.verdict()->text(), QString()) << "the check shows no word";
    on.app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Esatto"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Blue);
    EXPECT_EQ(on.printed(),
              QStringLiteral("valutazione complessiva 10  10 valutazionecontrollo 1 n frazioni 1 n valutazioni 1 "));
    on.app.click(kCheck);
    EXPECT_FALSE(on.enabled(kEvaluate)) << "checked again, it cannot be graded twice";

    // Skipped with OK, then a surplus red part: it turns white at the check.
    on.present(1, 3);
    on.twoFifths("rrrbb", "2", false);
    EXPECT_EQ(on.fillOf(12), colour::White);
    EXPECT_EQ(on.fillOf(11), colour::Red);
    EXPECT_EQ(on.fillOf(13), colour::Blue);
    EXPECT_TRUE(on.cell(3)->isMarkedWrong());
    EXPECT_FALSE(on.cell(5)->isMarkedWrong());
    on.app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Errato"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Red);
    EXPECT_EQ(on.app.board.grade(F), 5);  // (10 + 5) / 3
    EXPECT_EQ(on.printed(),
              QStringLiteral("valutazione complessiva 15  5 valutazionecontrollo 1 n frazioni 3 n valutazioni 2 "));
    on.answer({"3"}, 3);
    EXPECT_FALSE(on.cell(3)->isMarkedWrong()) << "the next key takes the mark away";
}

TEST(FractionConceptScreen, PartsOpenOneAfterAnother)
{
    ConceptApp on;
    on.present(1, 3);  // parts 3, 4, 5
    EXPECT_TRUE(on.enabled(part(3)));
    EXPECT_FALSE(on.enabled(part(4)) || on.enabled(part(5)));
    on.app.click(part(3));
    EXPECT_EQ(on.fillOf(3), colour::White) << "before any swatch the pointer paints white";
    EXPECT_TRUE(on.enabled(part(4)));
    EXPECT_FALSE(on.enabled(part(5)));
    on.colour("-rb");
    EXPECT_EQ(on.fillOf(4), colour::Red);
    EXPECT_EQ(on.fillOf(5), colour::Blue);
    EXPECT_TRUE(on.cell(5)->isEnabled()) << "the last part opens the cells";
    on.app.click(part(3));
    EXPECT_EQ(on.fillOf(3), colour::Blue) << "a reached part can be coloured again";
}

TEST(FractionConceptScreen, OkForgetsTheColoursOfTheLastWhole)
{
    ConceptApp on;
    on.twoFifths("rrbbb", "3");
    on.present(2, 5);
    EXPECT_TRUE(on.printed().isEmpty());
    for (int number = 10; number <= 14; ++number)
        EXPECT_EQ(on.fillOf(number), colour::White);
    // The cells stay open: checked again before any colouring, it is wrong.
    on.answer({"3"}, 3);
    on.answer({"5"}, 5);
    on.checkAndEvaluate();
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Errato"));
    EXPECT_EQ(on.app.board.grade(F), 7);  // (10 + 5) / 2
}

}  // namespace
}  // namespace quillo::testing
