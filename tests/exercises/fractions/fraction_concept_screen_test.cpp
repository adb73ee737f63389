#include "exercises/fractions/fraction_concept_screen.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <QTest>

#include <random>

namespace quillo::testing {
namespace {

using Exercise = FractionConceptExercise;
constexpr auto F = ExerciseFamily::FractionConcept;

const QString kOk = QStringLiteral("NewExerciseButton");
const QString kCheck = QStringLiteral("CheckButton");
const QString kEvaluate = QStringLiteral("EvaluateButton");
const QString kRed = QStringLiteral("Text1");
const QString kBlue = QStringLiteral("Text2");

QString partTarget(int part)
{
    return QStringLiteral("Label%1").arg(part);
}

struct ConceptApp : Harness {
    ConceptApp()
    {
        enterName();
        click(QStringLiteral("Command7"));
        click(QStringLiteral("Command1"));
    }

    FractionConceptScreen& screen()
    {
        return *dynamic_cast<FractionConceptScreen*>(registry.instance(ScreenId::FractionConcept));
    }
    void present(int n, int d)
    {
        random.push(drawing(n, 1, 13));
        random.push(drawing(d, 3, 16));
        click(kOk);
    }
    // One swatch per letter ('r', 'b', or '-' for none), then the part.
    void colour(const char* pattern)
    {
        const std::vector<int> parts = screen().exercise().wholeParts();
        for (std::size_t i = 0; pattern[i]; ++i) {
            if (pattern[i] == 'r')
                click(kRed);
            if (pattern[i] == 'b')
                click(kBlue);
            click(partTarget(parts.at(i)));
        }
    }
    // Two fifths coloured by the pattern, the complement written over 5.
    void twoFifths(const char* pattern, const QString& numerator, bool evaluate = true)
    {
        present(2, 5);
        colour(pattern);
        type(QStringLiteral("Text4"), numerator);
        type(QStringLiteral("Text6"), QStringLiteral("5"));
        click(kCheck);
        if (evaluate)
            click(kEvaluate);
    }
    Colour fillOf(int part) { return screen().partShape(part)->fill(); }
    bool enabled(const QString& name) { return find(name)->isEnabled(); }
    bool visible(const QString& name) { return find(name)->isVisible(); }
    QString verdict() { return find<VerdictBox>(QStringLiteral("VerdictBox"))->text(); }
    Colour verdictColour() { return find<VerdictBox>(QStringLiteral("VerdictBox"))->textColour(); }
};

TEST(FractionConceptScreen, ARightFractionFromOkToTheGrade)
{
    ConceptApp app;
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Concetto di frazione e frazione complementare"));
    EXPECT_FALSE(app.enabled(kCheck));
    EXPECT_FALSE(app.enabled(kEvaluate));
    EXPECT_FALSE(app.screen().partShape(10)->isVisible()) << "nothing shown before OK";

    app.present(2, 5);
    EXPECT_EQ(app.board.presentedCount(F), 1);
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label105"))->text(), QStringLiteral("2"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label107"))->text(), QStringLiteral("5"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label106"))->text(), QString());
    EXPECT_TRUE(app.visible(QStringLiteral("Text4")));
    EXPECT_FALSE(app.visible(QStringLiteral("Text5")));
    EXPECT_TRUE(app.visible(QStringLiteral("Text6")));
    EXPECT_FALSE(app.visible(QStringLiteral("Text7")));
    for (int part = Exercise::kFirstPart; part <= Exercise::kLastPart; ++part) {
        const bool ofFifths = part >= 10 && part <= 14;
        EXPECT_EQ(app.screen().partShape(part)->isVisible(), ofFifths) << part;
        EXPECT_EQ(app.visible(partTarget(part)), ofFifths) << part;
    }
    EXPECT_EQ(app.screen().partShape(10)->rect(), (TwipRect{240, 1680, 1212, 3612}));

    app.colour("rrbbb");
    EXPECT_EQ(app.fillOf(10), colour::Red);
    EXPECT_EQ(app.fillOf(14), colour::Blue);
    EXPECT_TRUE(app.enabled(QStringLiteral("Text6")));
    EXPECT_FALSE(app.enabled(kCheck));
    app.type(QStringLiteral("Text4"), QStringLiteral("3"));
    EXPECT_FALSE(app.enabled(kCheck)) << "only the leading denominator cell opens the check";
    app.type(QStringLiteral("Text6"), QStringLiteral("5"));
    EXPECT_TRUE(app.enabled(kCheck));

    app.click(kCheck);
    EXPECT_FALSE(app.enabled(kCheck));
    EXPECT_FALSE(app.enabled(QStringLiteral("Text4")));
    EXPECT_TRUE(app.enabled(kEvaluate));
    EXPECT_TRUE(app.enabled(kOk));
    EXPECT_EQ(app.verdict(), QString()) << "the check shows no word";

    app.click(kEvaluate);
    EXPECT_EQ(app.verdict(), QStringLiteral("Esatto"));
    EXPECT_EQ(app.verdictColour(), colour::Blue);
    EXPECT_EQ(app.board.grade(F), 10);
    EXPECT_EQ(app.screen().tally().lastGrade(), 10);
    EXPECT_FALSE(app.enabled(kEvaluate));
    EXPECT_TRUE(app.enabled(kCheck));
    EXPECT_TRUE(app.enabled(QStringLiteral("Text4")));
    ASSERT_EQ(app.page().printedLines().size(), 1u);
    EXPECT_EQ(app.page().printedLines()[0],
              QStringLiteral("valutazione complessiva 10  10 valutazionecontrollo 1 n frazioni 1 n valutazioni 1 "));

    // Checked again after the evaluation: marks, but cannot be graded twice.
    app.click(kCheck);
    EXPECT_FALSE(app.enabled(kEvaluate));
    EXPECT_EQ(app.screen().tally().evaluations(), 1);
}

TEST(FractionConceptScreen, PartsOpenOneAfterAnother)
{
    ConceptApp app;
    app.present(1, 3);  // parts 3, 4, 5
    EXPECT_TRUE(app.enabled(partTarget(3)));
    EXPECT_FALSE(app.enabled(partTarget(4)));
    EXPECT_FALSE(app.enabled(partTarget(5)));

    // Before any swatch the pointer paints white.
    app.click(partTarget(3));
    EXPECT_EQ(app.fillOf(3), colour::White);
    EXPECT_TRUE(app.enabled(partTarget(4)));
    app.click(partTarget(5));
    EXPECT_EQ(app.fillOf(5), colour::White);
    EXPECT_EQ(app.screen().exercise().partCode(5), PartColour::None) << "a closed part takes no click";

    app.click(kRed);
    app.click(partTarget(4));
    EXPECT_EQ(app.fillOf(4), colour::Red);
    EXPECT_FALSE(app.enabled(QStringLiteral("Text6")));
    app.click(kBlue);
    app.click(partTarget(5));
    EXPECT_EQ(app.fillOf(5), colour::Blue);
    EXPECT_TRUE(app.enabled(QStringLiteral("Text4")));
    EXPECT_TRUE(app.enabled(QStringLiteral("Text6")));
    app.click(partTarget(3));
    EXPECT_EQ(app.fillOf(3), colour::Blue) << "a reached part can be coloured again";
}

TEST(FractionConceptScreen, SurplusPartsTurnWhiteAndWrongCellsRed)
{
    ConceptApp app;
    app.twoFifths("rrrbb", QStringLiteral("2"), false);
    EXPECT_EQ(app.fillOf(12), colour::White);
    for (int part : {10, 11})
        EXPECT_EQ(app.fillOf(part), colour::Red);
    for (int part : {13, 14})
        EXPECT_EQ(app.fillOf(part), colour::Blue);
    auto* numerator = app.find<DigitCell>(QStringLiteral("Text4"));
    auto* denominator = app.find<DigitCell>(QStringLiteral("Text6"));
    EXPECT_TRUE(numerator->isMarkedWrong());
    EXPECT_FALSE(denominator->isMarkedWrong());
    app.click(kEvaluate);
    EXPECT_EQ(app.verdict(), QStringLiteral("Errato"));
    EXPECT_EQ(app.verdictColour(), colour::Red);
    EXPECT_EQ(app.board.grade(F), 5);

    // The next key in the marked cell restores its typing colours.
    app.type(QStringLiteral("Text4"), QStringLiteral("3"));
    EXPECT_FALSE(numerator->isMarkedWrong());
    EXPECT_EQ(numerator->background(), familyColour(F));
}

TEST(FractionConceptScreen, TwoDigitComplementShowsEveryCellAndBar)
{
    ConceptApp app;
    app.present(4, 14);
    for (const char* cell : {"Text4", "Text5", "Text6", "Text7"})
        EXPECT_TRUE(app.visible(QString::fromLatin1(cell))) << cell;
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label108"))->text(), QStringLiteral("1"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label107"))->text(), QStringLiteral("4"));
    EXPECT_EQ(app.screen().partShape(104)->rect(), (TwipRect{4440, 3480, 612, 1812}));
    app.colour("rrrrbbbbbbbbbb");
    app.type(QStringLiteral("Text6"), QStringLiteral("4"));
    EXPECT_FALSE(app.enabled(kCheck)) << "the tens cell leads a two-digit denominator";
    app.type(QStringLiteral("Text7"), QStringLiteral("x"));
    EXPECT_TRUE(app.enabled(kCheck)) << "any key in the leading cell opens the check";
    EXPECT_EQ(app.find<DigitCell>(QStringLiteral("Text7"))->text(), QString());
}

TEST(FractionConceptScreen, OkForgetsTheColoursOfTheLastWhole)
{
    ConceptApp app;
    app.twoFifths("rrbbb", QStringLiteral("3"));
    ASSERT_EQ(app.verdict(), QStringLiteral("Esatto"));

    // The cells stay open through OK: a pupil may check the same fraction
    // again before colouring anything.
    app.present(2, 5);
    EXPECT_TRUE(app.page().printedLines().empty());
    EXPECT_EQ(app.verdict(), QString());
    for (int part = 10; part <= 14; ++part)
        EXPECT_EQ(app.fillOf(part), colour::White);
    EXPECT_TRUE(app.enabled(QStringLiteral("Text6")));
    app.type(QStringLiteral("Text4"), QStringLiteral("3"));
    app.type(QStringLiteral("Text6"), QStringLiteral("5"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(app.verdict(), QStringLiteral("Errato"));
    EXPECT_EQ(app.board.grade(F), 7);  // (10 + 5) / 2
    EXPECT_EQ(app.screen().exercise().pointer(), PartColour::Blue) << "the pointer carries over";
}

TEST(FractionConceptScreen, ASkippedExerciseWeighsNothing)
{
    ConceptApp app;
    app.twoFifths("rrbbb", QStringLiteral("3"));
    app.present(1, 3);  // skipped
    app.twoFifths("rrbbb", QStringLiteral("4"));
    EXPECT_EQ(app.board.presentedCount(F), 3);
    EXPECT_EQ(app.board.grade(F), 5);  // (10 + 5) / 3
    ASSERT_EQ(app.page().printedLines().size(), 1u);
    EXPECT_EQ(app.page().printedLines()[0],
              QStringLiteral("valutazione complessiva 15  5 valutazionecontrollo 1 n frazioni 3 n valutazioni 2 "));
    EXPECT_EQ(app.verdictColour(), colour::Red);
}

TEST(FractionConceptScreen, LeavingAndComingBackKeepsTheRunButNotThePage)
{
    ConceptApp app;
    app.twoFifths("rrbbb", QStringLiteral("3"));
    app.click(QStringLiteral("SectionMenuButton"));
    EXPECT_EQ(app.registry.current(), ScreenId::FractionsMenu);
    app.click(QStringLiteral("Command1"));

    EXPECT_EQ(app.verdict(), QString());
    EXPECT_FALSE(app.enabled(kCheck));
    EXPECT_FALSE(app.enabled(kEvaluate));
    EXPECT_FALSE(app.enabled(QStringLiteral("Text6")));
    EXPECT_FALSE(app.screen().partShape(10)->isVisible());
    EXPECT_EQ(app.screen().tally().evaluations(), 1);
    EXPECT_EQ(app.screen().exercise().partCode(10), PartColour::Red);
    app.present(1, 4);
    app.colour("-bbb");
    EXPECT_EQ(app.fillOf(6), colour::Blue) << "the pointer is the one chosen before leaving";
}

TEST(FractionConceptScreen, RandomClicksAndKeysNeverBreakTheScreen)
{
    ConceptApp app;
    std::mt19937 dice(20261206);
    QStringList names = {kOk, kCheck, kEvaluate, kRed, kBlue};
    for (int part = Exercise::kFirstPart; part <= Exercise::kLastPart; ++part)
        names << partTarget(part);
    const QStringList cells = {QStringLiteral("Text4"), QStringLiteral("Text5"), QStringLiteral("Text6"),
                               QStringLiteral("Text7")};
    const QString keys = QStringLiteral("0123456789/:aP \b");
    int presented = 0;
    for (int step = 0; step < 600; ++step) {
        if (dice() % 3 == 0) {
            const QString& cell = cells[static_cast<int>(dice() % 4)];
            auto* box = app.find<DigitCell>(cell);
            if (box->isEnabled() && box->isVisible())
                app.type(cell, QString(keys[static_cast<int>(dice() % keys.size())]));
            EXPECT_LE(box->text().size(), 1);
        } else {
            QWidget* target = app.find(names[static_cast<int>(dice() % names.size())]);
            if (target->objectName() == kOk) {
                for (int draw = 0; draw < 8; ++draw)
                    app.random.push(std::uniform_real_distribution<double>(0.0, 1.0)(dice));
            }
            if (target->isVisible())
                app.click(target->objectName());
        }
        ASSERT_GE(app.board.presentedCount(F), presented);
        presented = app.board.presentedCount(F);
        ASSERT_GE(app.board.grade(F), 0);
        ASSERT_LE(app.board.grade(F), 10);
        ASSERT_LE(app.screen().tally().evaluations(), presented);
    }
    EXPECT_GT(presented, 0);
}

}  // namespace
}  // namespace quillo::testing
