// What a screen reader finds on the pages: the names, descriptions and
// roles it reads.
#include "support/harness.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>

#include <map>

namespace quillo::testing {
namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

TEST(Accessibility, EveryButtonIsNamedByItsCaptionAndSaysWhatItDoes)
{
    // The phrase each caption carries, wherever it stands.
    const std::map<QString, QString> phrases = {
        {QStringLiteral("OK"), QStringLiteral("Nuovo esercizio")},
        {QStringLiteral("exit"), QStringLiteral("Esci dal programma")},
        {QStringLiteral("Menu"), QStringLiteral("Menu principale")},
        {QStringLiteral("Menu fraz"), QStringLiteral("Menu delle frazioni")},
        {QStringLiteral("Menu dec"), QStringLiteral("Menu dei numeri decimali")},
        {QStringLiteral("Stampa"), QStringLiteral("Stampa la scheda")},
        {QStringLiteral("div2"), QStringLiteral("Divisioni col divisore di due cifre")},
        {QStringLiteral("mol"), QStringLiteral("Moltiplicazioni col moltiplicatore di due o tre cifre")},
        {QStringLiteral("add"), QStringLiteral("Addizioni con due o tre addendi")},
        {QStringLiteral("sot"), QStringLiteral("Sottrazioni")},
        {QStringLiteral("fraz"), QStringLiteral("Menu frazioni")},
        {QStringLiteral("nd"), QStringLiteral("Menu numeri decimali")},
        {QStringLiteral(" Val  "), QStringLiteral("Valutazione dell'esercitazione")},
        {QStringLiteral("fraz com"), QStringLiteral("Concetto di frazione e frazione complementare")},
        {QStringLiteral("pia"), QStringLiteral("Frazioni proprie, improprie, apparenti")},
        {QStringLiteral("fraz dec"), QStringLiteral("Frazioni decimali")},
        {QStringLiteral("con fraz"), QStringLiteral("Confronto tra frazioni")},
        {QStringLiteral("Val pos"), QStringLiteral("Valore di posizione delle cifre")},
        {QStringLiteral("Confr dec"), QStringLiteral("Confronto di numeri decimali")},
    };
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
            EXPECT_EQ(heard->role(), QAccessible::Button);
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
