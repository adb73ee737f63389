#include "ui/screens/fractions/fraction_concept_screen.h"
#include "ui/screens/fractions/fraction_concept_layout.h"
#include "fraction_screens.h"

#include <QApplication>
#include <QRegion>
#include <QTest>

namespace quillo::testing {
namespace {

// The swatches, then the complementary fraction's cells, units first.
QString answerCell(int index)
{
    static const char* const names[] = {"redSwatch", "blueSwatch", "", "complementNumeratorUnits", "complementNumeratorTens",
                                        "complementDenominatorUnits", "complementDenominatorTens"};
    return QLatin1String(names[index]);
}

constexpr auto F = ExerciseFamily::FractionConcept;

QString part(int number) { return QStringLiteral("part%1").arg(number); }

struct ConceptApp : FractionScreenApp<FractionConceptScreen> {
    ConceptApp() : FractionScreenApp("fractionConceptButton", screenOf(ExerciseFamily::FractionConcept), answerCell) {}
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
            if (pattern[i] != '-')
                click(answerCell(pattern[i] == 'r' ? 0 : 1));
            click(part(parts.at(i)));
        }
    }
    Colour fillOf(int number) { return screen().partShape(number)->fill(); }
    QString printed() const
    {
        QStringList lines(page().printedLines().begin(), page().printedLines().end());
        return lines.join(QLatin1Char('|'));
    }
};

TEST(FractionConceptScreen, FromOkToTheGradeThroughASkippedExercise)
{
    ConceptApp on;
    EXPECT_FALSE(on.enabled(kCheck) || on.enabled(kEvaluate));
    on.present(2, 5);
    EXPECT_EQ(on.label(QStringLiteral("givenDenominatorUnits")), QStringLiteral("5"));
    EXPECT_FALSE(on.cell(4)->isVisible()) << "no tens cell for a one-digit complement";
    for (int number = FractionConceptExercise::kFirstPart; number <= FractionConceptExercise::kLastPart; ++number)
        EXPECT_EQ(on.screen().partShape(number)->isVisible(), number >= 10 && number <= 14) << number;
    on.colour("rrbbb");
    EXPECT_EQ(on.fillOf(10), colour::Red);
    EXPECT_EQ(on.fillOf(14), colour::Blue);
    on.answer({"3"}, 3);
    EXPECT_FALSE(on.enabled(kCheck)) << "only the leading denominator cell opens the check";
    on.answer({"5"}, 5);
    on.click(kCheck);
    EXPECT_FALSE(on.enabled(kCheck) || on.cell(3)->isEnabled());
    EXPECT_EQ(on.verdict()->text(), QString()) << "the check shows no word";
    on.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Esatto"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Blue);
    on.click(kCheck);
    EXPECT_FALSE(on.enabled(kEvaluate)) << "checked again, it cannot be graded twice";

    // Skipped with OK, then a surplus red part: it turns white at the check.
    on.present(1, 3);
    on.present(2, 5);
    on.colour("rrrbb");
    on.answer({"2"}, 3);
    on.answer({"5"}, 5);
    on.click(kCheck);
    EXPECT_EQ(on.fillOf(12), colour::White);
    EXPECT_EQ(on.fillOf(11), colour::Red);
    EXPECT_EQ(on.fillOf(13), colour::Blue);
    EXPECT_TRUE(on.cell(3)->isMarkedWrong());
    EXPECT_FALSE(on.cell(5)->isMarkedWrong());
    on.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Errato"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Red);
    EXPECT_EQ(on.board.grade(F), 5) << "(10 + 5) / 3: the skipped one weighs nothing";
    EXPECT_EQ(on.printed(),
              QStringLiteral("valutazione complessiva 15  5 valutazionecontrollo 1 n frazioni 3 n valutazioni 2 "));

    // OK forgets the colours of the last whole and the tallies written.
    on.present(2, 5);
    EXPECT_TRUE(on.printed().isEmpty());
    for (int number = 10; number <= 14; ++number)
        EXPECT_EQ(on.fillOf(number), colour::White);
}

TEST(FractionConceptScreen, PartsOpenOneAfterAnother)
{
    ConceptApp on;
    on.present(1, 3);  // parts 3, 4, 5
    EXPECT_TRUE(on.enabled(part(3)));
    EXPECT_FALSE(on.enabled(part(4)) || on.enabled(part(5)));
    on.click(part(3));
    EXPECT_EQ(on.fillOf(3), colour::White) << "before any swatch the pointer paints white";
    EXPECT_TRUE(on.enabled(part(4)));
    EXPECT_FALSE(on.enabled(part(5)));
    on.colour("-rb");
    EXPECT_EQ(on.fillOf(4), colour::Red);
    EXPECT_EQ(on.fillOf(5), colour::Blue);
    EXPECT_TRUE(on.cell(5)->isEnabled()) << "the last part opens the cells";
    on.click(part(3));
    EXPECT_EQ(on.fillOf(3), colour::Blue) << "a reached part can be coloured again";
}

TEST(FractionConceptScreen, AKeyboardAloneColoursTheWholeAndWritesTheComplement)
{
    ConceptApp on;
    on.present(1, 3);  // parts 3, 4, 5
    const auto focused = [] { return QApplication::focusWidget(); };
    const auto tab = [&] { QTest::keyClick(focused(), Qt::Key_Tab); };
    // Whatever has the keyboard wears the orange outline.
    const auto outlined = [](QWidget* widget) {
        return widget->grab().toImage().pixelColor(2, widget->height() / 2) == QColor(0xFF, 0x80, 0x00);
    };
    on.find(QStringLiteral("sectionMenuButton"))->setFocus();
    tab();
    ASSERT_EQ(focused(), on.find(answerCell(0))) << "Tab leads from the menus to the red swatch";
    EXPECT_TRUE(outlined(focused()));
    QTest::keyClick(focused(), Qt::Key_Space);
    tab();
    tab();
    ASSERT_EQ(focused(), on.find(part(3))) << "then past blue to the first open part";
    EXPECT_TRUE(outlined(focused()));
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(on.fillOf(3), colour::Red);
    tab();
    ASSERT_EQ(focused(), on.find(part(4))) << "a part opens to Tab once the one before is coloured";
    QTest::keyClick(focused(), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(on.fillOf(4), colour::White) << "Shift+Space is no press";
    QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(focused(), Qt::Key_Enter, Qt::KeypadModifier);  // blue
    tab();
    tab();
    QTest::keyClick(focused(), Qt::Key_Space);
    tab();
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(on.fillOf(4), colour::Blue);
    EXPECT_EQ(on.fillOf(5), colour::Blue);
    tab();
    EXPECT_EQ(focused(), on.cell(3)) << "after the parts, the complementary fraction";
    QTest::keyClicks(focused(), QStringLiteral("2"));
    tab();
    EXPECT_EQ(focused(), on.cell(5)) << "hidden tens cells are passed by";
    QTest::keyClicks(focused(), QStringLiteral("3"));
    EXPECT_TRUE(on.enabled(kCheck));
    on.checkAndEvaluate();
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Esatto"));
}

TEST(FractionConceptScreen, EveryWholeIsTiledByItsPartsWithoutGaps)
{
    using Exercise = FractionConceptExercise;
    for (int d = Exercise::kLowestDenominator; d <= Exercise::kHighestDenominator; ++d) {
        std::vector<QRect> places;
        QRegion whole;
        for (int part : Exercise::wholeParts(d)) {
            const TwipRect p = fraction_concept_layout::partPlace(part);
            places.emplace_back(p.x, p.y, p.width, p.height);
            EXPECT_EQ(places.back().size(), places.front().size()) << "unequal parts of " << d;
            whole += places.back();
        }
        // On the paper, left of the fraction column and above the buttons.
        const QRect bounds = whole.boundingRect();
        EXPECT_TRUE(bounds.left() >= 240 && bounds.x() + bounds.width() <= 7080 && bounds.top() == 1680 &&
                    bounds.y() + bounds.height() <= 5292)
            << d;
        EXPECT_EQ(whole, QRegion(bounds)) << "a gap in the whole of " << d;
        // Neighbours share only their 12-twip border.
        for (std::size_t a = 0; a < places.size(); ++a)
            for (std::size_t b = a + 1; b < places.size(); ++b) {
                const QRect common = places[a].intersected(places[b]);
                EXPECT_TRUE(common.isEmpty() || std::min(common.width(), common.height()) <= 12)
                    << "parts overlap in the whole of " << d;
            }
    }
}

}  // namespace
}  // namespace quillo::testing
