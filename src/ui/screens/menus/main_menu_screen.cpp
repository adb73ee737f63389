#include "ui/screens/menus/main_menu_screen.h"

#include "core/scoring/saturating.h"
#include "core/scoring/score_board.h"
#include "ui/kit/digit_cell.h"
#include "ui/screens/menus/section_menus.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/page.h"
#include "ui/toolkit/plain_text.h"

namespace quillo {

namespace {
constexpr FontSpec kNameFont{Face::Script, 18, false};

MenuDesign design()
{
    std::vector<MenuEntry> entries = familyEntries(Section::Operations);
    entries.push_back({QStringLiteral("fractionsMenu"), "fraz", "Menu frazioni", ScreenId::FractionsMenu, 0xE6FDFB});
    entries.push_back({QStringLiteral("decimalsMenu"), "nd", "Menu numeri decimali", ScreenId::DecimalsMenu, 0xE7FAFE});
    entries.push_back(
        {QStringLiteral("report"), " Val  ", "Valutazione dell'esercitazione", ScreenId::GlobalEvaluation, 0xE0E8FC});
    return {
        .caption = QStringLiteral("tv-pb - Esercitazione di Aritmetica cl. V - Menu principale"),
        .title = QStringLiteral("Esercitazione di Aritmetica cl. V"),
        .entries = std::move(entries),
        .exit = {{8040, 5280, 1212, kCellSize}, "", colour::Green},
        .footer = false,
    };
}
}  // namespace

MainMenuScreen::MainMenuScreen(Services& services) : MenuScreen(services, design()) {}

void MainMenuScreen::build(Page& page)
{
    nameBox_ = page.add<TextBox>(QStringLiteral("nameBox"), {4440, 540, 4800, 480}, {Face::Arial, 14, true});
    nameBox_->setColours(0xFFFFC0, colour::Blue);
    nameBox_->setMaxLength(kNameLength);
    nameBox_->setAcceptsPaste(true);
    setKeypadFilter(*nameBox_, KeyFilter::Name);
    nameBox_->setAccessibleName(QStringLiteral("Nome, Cognome, classse e sez."));
    nameBox_->onKeyPress = [this](int) {
        nameKeyPressed();
        return false;
    };
    nameBox_->onKeyRelease = [this](int) { storeName(); };
    // Pasting through the box's menu brings no key release; store it as well.
    QObject::connect(nameBox_, &QLineEdit::textEdited, &page, [this] { storeName(); });
    // On a first visit the pupil can type the name at once.
    page.setInitialFocus(nameBox_);

    prompt_ = page.add<Label>(QStringLiteral("namePrompt"), {240, 480, 4200, kCellSize}, kNameFont);
    prompt_->setText(QStringLiteral("Nome, Cognome, classse e sez."));
    pupilCaption_ = page.add<Label>(QStringLiteral("pupilCaption"), {240, 480, 1800, kCellSize}, kNameFont);
    pupilCaption_->setText(QStringLiteral("Alunno/a"));
    pupilName_ = page.add<Label>(QStringLiteral("pupilName"), {2040, 480, 7200, kCellSize}, kNameFont);
    pupilName_->setTextColour(colour::Blue);
    pupilName_->setAccessibleName(QStringLiteral("Alunno/a"));

    auto* heading = page.add<Label>(QStringLiteral("heading"), {240, 1080, 2400, kCellSize}, {Face::Script, 18, false});
    heading->setText(QStringLiteral("Menu"));
    heading->setTextColour(colour::Red);

    auto* credit = page.add<Label>(QStringLiteral("credit"), {240, 6480, 9000, 390}, {Face::Script, 12, false});
    credit->setText(QStringLiteral("Quillo - esercizi di aritmetica per la classe quinta"));
    credit->setAlignment(Qt::AlignCenter);

    // The name is asked on the first visit; the later ones show it and open
    // the way to the exercises.
    menuVisits_ = saturate16(static_cast<long long>(menuVisits_) + 1);
    const bool named = menuVisits_ > 1;
    nameBox_->setVisible(!named);
    prompt_->setVisible(!named);
    pupilCaption_->setVisible(named);
    pupilName_->setVisible(named);
    if (named)
        pupilName_->setText(QString::fromStdString(services().board.pupilName()));
    enableNavigation(named);
}

void MainMenuScreen::enableNavigation(bool enabled) const
{
    for (Button* button : entryButtons())
        button->setEnabled(enabled);
}

void MainMenuScreen::nameKeyPressed()
{
    enableNavigation(true);
    if (characterCount(nameBox_->text()) > kNameLength - 1)
        nameBox_->clear();
    pupilName_->setText(nameBox_->text());
}

void MainMenuScreen::storeName()
{
    services().board.setPupilName(nameBox_->text().toStdString());
}

}  // namespace quillo
