// What a screen reader finds on the pages: the tree it walks, the names,
// values, descriptions and states it reads, and the actions it presses.
#include "ui/screens/columns/column_driving.h"
#include "support/harness.h"
#include "ui/screens/fractions/fraction_concept_screen.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>

#include <array>
#include <functional>
#include <map>
#include <vector>

namespace quillo::testing {
namespace {

using F = ExerciseFamily;

struct Heard {
    QString name;
    QString value;
};

// Every control on show under the page, reached through the accessibility
// tree only, as a screen reader reaches them.
std::vector<Heard> hear(Page& page)
{
    std::vector<Heard> heard;
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (!child || child->state().invisible)
                continue;
            // A value reaches the desktop's bus as the control's text.
            const QAccessibleTextInterface* text = child->textInterface();
            const QString value = text ? text->text(0, text->characterCount()) : QString();
            if (!child->text(QAccessible::Value).isEmpty()) {
                EXPECT_EQ(value, child->text(QAccessible::Value)) << "a value the bus cannot hand on";
            }
            heard.push_back({child->text(QAccessible::Name), value});
            walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(&page));
    return heard;
}

// The values heard under this name; a caption that shares the name shows
// none of its own.
QStringList valuesOf(const std::vector<Heard>& heard, const QString& name)
{
    QStringList values;
    for (const Heard& each : heard) {
        if (each.name == name && !each.value.isEmpty())
            values.append(each.value);
    }
    return values;
}

// The digits heard under "<name>, cifra N", from the highest place down;
// the cells left of a short number are not on show.
QString digitsHeard(const std::vector<Heard>& heard, const QString& name)
{
    QString read;
    for (int column = 6; column >= 1; --column)
        read += valuesOf(heard, QStringLiteral("%1, cifra %2").arg(name).arg(column)).join(QString());
    return read;
}

QAccessibleInterface* accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

TEST(Accessibility, EveryGivenDigitOfADivisionAndOfAnAdditionIsHeardWithItsValue)
{
    for (const auto& [dividend, divisor] : {std::pair{745813, 27}, std::pair{100009, 99}, std::pair{999999, 11}}) {
        SCOPED_TRACE(QStringLiteral("%1 : %2").arg(dividend).arg(divisor).toStdString());
        ColumnApp app("divisionButton");
        forceDivision(app, dividend, divisor);
        app.click(kOk);
        const std::vector<Heard> heard = hear(app.page());
        EXPECT_EQ(digitsHeard(heard, QStringLiteral("Dividendo")), QString::number(dividend));
        EXPECT_EQ(digitsHeard(heard, QStringLiteral("Divisore")), QString::number(divisor));
        EXPECT_EQ(valuesOf(heard, QStringLiteral(":")), QStringList{QStringLiteral(":")});
        EXPECT_EQ(valuesOf(heard, QStringLiteral("=")), QStringList{QStringLiteral("=")});
    }
    for (const std::vector<int>& addends : {std::vector<int>{999990, 9}, std::vector<int>{123, 45, 6}}) {
        ColumnApp app("additionButton");
        app.click(addends.size() > 2 ? QStringLiteral("threeAddends") : QStringLiteral("twoAddends"));
        force(app, {addends[0], addends[1], addends.size() > 2 ? addends[2] : 1});
        app.click(kOk);
        const std::vector<Heard> heard = hear(app.page());
        for (std::size_t number = 0; number < addends.size(); ++number)
            EXPECT_EQ(digitsHeard(heard, QStringLiteral("Addendo %1").arg(number + 1)),
                      QString::number(addends[number]));
    }
}

// The words themselves are the report card's; here they reach the bus.
TEST(Accessibility, TheReportCardReadsTheNameAndEveryWord)
{
    Harness app;
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    for (const auto& [family, grade] : {std::pair{F::Division, 8}, {F::Multiplication, 7}, {F::Addition, 9},
                                        {F::Subtraction, 6}, {F::FractionConcept, 10}, {F::FractionComparison, 6}}) {
        app.board.notePresented(family);
        app.board.setGrade(family, grade);
    }
    app.click(QStringLiteral("reportButton"));
    const std::vector<Heard> heard = hear(app.page());
    // The pupil, the first and the last word of the list, and the overall verdict.
    const std::pair<const char*, const char*> lines[] = {{"Alunno/a", "Giulia Rossi V A"}, {"Divisioni", "Distinto"},
        {"Numeri decimali", "Nessun esercizio"}, {"Valutazione complessiva", "Incompleta!"}};
    for (const auto& [name, value] : lines)
        EXPECT_EQ(valuesOf(heard, QString::fromUtf8(name)), QStringList{QString::fromUtf8(value)}) << name;
}

TEST(Accessibility, SelectorsAreChoicesAndTheCheckedOneFollowsThePupil)
{
    struct Case {
        const char* screen;  // its main menu command
        QStringList selectors;
        const char* secondDoes;  // what the second selector lays out
    };
    const auto names = [](const char* spaced) { return QString::fromLatin1(spaced).split(QLatin1Char(' ')); };
    const Case cases[] = {
        {"divisionButton", names("dividendLength2 dividendLength3 dividendLength4 dividendLength5 dividendLength6"),
         "Dividendo compreso tra 101 e 999"},
        {"additionButton", names("twoAddends threeAddends"), "Addizione con tre addendi"},
        {"multiplicationButton", names("twoDigitMultiplier threeDigitMultiplier zeroEndingMultiplier"),
         "Moltiplicatore di tre cifre"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        ColumnApp app(c.screen);
        // The checked selectors, "-" for none.
        const auto checked = [&] {
            QString which;
            for (const QString& name : c.selectors) {
                QAccessibleInterface* selector = accessible(app.find(name));
                EXPECT_EQ(selector->role(), QAccessible::RadioButton) << name.toStdString();
                EXPECT_TRUE(selector->state().checkable);
                EXPECT_FALSE(selector->state().editable);
                if (selector->state().checked)
                    which += name + QLatin1Char(' ');
            }
            return which.isEmpty() ? QStringLiteral("-") : which.trimmed();
        };
        EXPECT_EQ(checked(), QStringLiteral("-")) << "nothing is chosen before the first press";

        app.click(c.selectors.back());
        EXPECT_EQ(checked(), c.selectors.back());
        app.click(c.selectors.front());
        EXPECT_EQ(checked(), c.selectors.front());
        app.leaveAndReturn();
        EXPECT_EQ(checked(), c.selectors.front()) << "the choice outlives the page";

        // A screen reader presses a selector as a click does.
        QAccessibleInterface* second = accessible(app.find(c.selectors[1]));
        ASSERT_TRUE(second->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        second->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(checked(), c.selectors[1]);
        EXPECT_TRUE(app.enabled(kOk)) << "the press laid out the chosen kind";
        EXPECT_EQ(second->text(QAccessible::Name), app.find<TextBox>(c.selectors[1])->text());
        EXPECT_EQ(second->text(QAccessible::Description), QString::fromUtf8(c.secondDoes));
        app.click(kOk);
        EXPECT_EQ(checked(), c.selectors[1]);
    }
}

// The given fraction is read; the swatches and the parts of the whole are
// buttons that a screen reader presses as the mouse does.
TEST(Accessibility, AFractionIsReadAndColouredThroughTheScreenReader)
{
    ExerciseApp app({"fractionsMenuButton", "fractionConceptButton"});
    app.random.push(drawing(2, 1, 13));
    app.random.push(drawing(5, 3, 16));
    app.click(kOk);
    const std::vector<Heard> heard = hear(app.page());
    EXPECT_EQ(valuesOf(heard, QStringLiteral("2")), QStringList{QStringLiteral("2")}) << "the numerator";
    EXPECT_EQ(valuesOf(heard, QStringLiteral("5")), QStringList{QStringLiteral("5")}) << "the denominator";

    QAccessibleInterface* red = accessible(app.find(QStringLiteral("redSwatch")));
    EXPECT_EQ(red->role(), QAccessible::Button);
    EXPECT_EQ(red->text(QAccessible::Name), QStringLiteral("Assegna il colore rosso al puntatore"));
    red->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QAccessibleInterface* part = accessible(app.find(QStringLiteral("part10")));
    EXPECT_EQ(part->role(), QAccessible::Button);
    EXPECT_EQ(part->text(QAccessible::Name), QStringLiteral("Parte 1 dell'intero"));
    part->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    auto* screen = dynamic_cast<FractionConceptScreen*>(app.registry.instance(screenOf(F::FractionConcept)));
    EXPECT_EQ(screen->partShape(10)->fill(), colour::Red);
}

TEST(Accessibility, EveryButtonIsNamedByItsCaptionAndSaysWhatItDoes)
{
    // The phrase each caption carries, wherever it stands.
    const std::pair<const char*, const char*> table[] = {
        {"OK", "Nuovo esercizio"}, {"exit", "Esci dal programma"}, {"Menu", "Menu principale"},
        {"Menu fraz", "Menu delle frazioni"}, {"Menu dec", "Menu dei numeri decimali"}, {"Stampa", "Stampa la scheda"},
        {"div2", "Divisioni col divisore di due cifre"},
        {"mol", "Moltiplicazioni col moltiplicatore di due o tre cifre"},
        {"add", "Addizioni con due o tre addendi"}, {"sot", "Sottrazioni"}, {"fraz", "Menu frazioni"},
        {"nd", "Menu numeri decimali"}, {" Val  ", "Valutazione dell'esercitazione"},
        {"fraz com", "Concetto di frazione e frazione complementare"},
        {"pia", "Frazioni proprie, improprie, apparenti"}, {"fraz dec", "Frazioni decimali"},
        {"con fraz", "Confronto tra frazioni"}, {"Val pos", "Valore di posizione delle cifre"},
        {"Confr dec", "Confronto di numeri decimali"},
    };
    std::map<QString, QString> phrases;
    for (const auto& [caption, phrase] : table)
        phrases[QString::fromUtf8(caption)] = QString::fromUtf8(phrase);
    Harness app;
    app.enterName();
    std::map<QString, int> seen;
    for (int screen = 0; screen < kScreenCount; ++screen) {
        app.registry.showScreen(static_cast<ScreenId>(screen));
        Harness::settle();
        SCOPED_TRACE(app.window.windowTitle().toStdString());
        for (QAbstractButton* button : app.page().findChildren<QAbstractButton*>()) {
            const QString caption = button->text();
            QAccessibleInterface* heard = accessible(button);
            EXPECT_FALSE(caption.trimmed().isEmpty());
            EXPECT_TRUE(heard->text(QAccessible::Name).contains(caption.trimmed()))
                << heard->text(QAccessible::Name).toStdString() << " for " << caption.toStdString();
            const auto phrase = phrases.find(caption);
            if (phrase != phrases.end()) {
                EXPECT_EQ(heard->text(QAccessible::Description), phrase->second);
                ++seen[caption];
            }
        }
    }
    EXPECT_EQ(seen[QStringLiteral("OK")], static_cast<int>(kFamilyCount)) << "one on every exercise screen";
    EXPECT_EQ(seen[QStringLiteral("exit")], kScreenCount);
    EXPECT_EQ(seen[QStringLiteral("Menu fraz")], 4);
    EXPECT_EQ(seen[QStringLiteral("Menu dec")], 2);
    EXPECT_EQ(seen.size(), phrases.size()) << "every caption stands on some screen";
}

}  // namespace
}  // namespace quillo::testing
