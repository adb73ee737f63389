#include "ui/screens/menus/menu_screen.h"

#include "core/families/family_description.h"
#include "ui/kit/footer.h"
#include "ui/kit/standard_button.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/focus_guard.h"
#include "ui/toolkit/page.h"

namespace quillo {

namespace {
constexpr FontSpec kButtonFont{Face::Arial, 10, true};
}  // namespace

Page* MenuScreen::open()
{
    page_ = new Page(design_.caption);
    entryButtons_.clear();

    auto* heading = page_->add<Label>(QStringLiteral("title"), {240, 0, 9000, 480}, {Face::Script, 19, false});
    heading->setText(design_.title);
    heading->setAlignment(Qt::AlignCenter);
    heading->setTextColour(colour::Blue);

    int top = kFirstEntryTop;
    for (const MenuEntry& entry : design_.entries) {
        const QString& name = entry.name;
        auto* button = addButton(*page_, {.name = name + QStringLiteral("Button"),
                                          .place = {240, top, 1212, kCellSize},
                                          .caption = toQString(entry.caption),
                                          .background = entry.colour,
                                          .font = kButtonFont,
                                          .description = toQString(entry.description)});
        const ScreenId target = entry.target;
        QObject::connect(button, &QPushButton::clicked, page_,
                         [this, target] { services_.navigator.showScreen(target); });
        entryButtons_.push_back(button);

        auto* description = page_->add<Label>(name + QStringLiteral("Description"),
                                              {1680, top, 7560, kCellSize}, {Face::Script, 18, false});
        description->setText(toQString(entry.description));
        description->setTextColour(colour::Blue);
        top += kSquare;
    }

    auto* exit = addCorner(QStringLiteral("exitButton"), design_.exit, QStringLiteral("exit"), QStringLiteral("Esci dal programma"));
    QObject::connect(exit, &QPushButton::clicked, page_, [this] { services_.navigator.endProgram(); });
    Button* menu = nullptr;
    if (design_.mainMenu) {
        menu = addCorner(QStringLiteral("mainMenuButton"), *design_.mainMenu, QStringLiteral("Menu"),
                         QStringLiteral("Menu principale"));
        QObject::connect(menu, &QPushButton::clicked, page_,
                         [this] { services_.navigator.showScreen(ScreenId::MainMenu); });
    }
    new FocusGuard(page_, {exit}, [this, menu]() -> QWidget* {
        if (QWidget* box = nextEmptyBox(*page_))
            return box;
        for (Button* entry : entryButtons_)
            if (entry->isEnabled())
                return entry;
        return menu;
    });
    if (design_.footer)
        addFooter(*page_, kFooter);
    build(*page_);
    return page_;
}

Button* MenuScreen::addCorner(const QString& name, const MenuCorner& corner, const QString& caption,
                              const QString& description)
{
    return addButton(*page_, {.name = name,
                              .place = corner.place,
                              .caption = caption,
                              .tooltip = toQString(corner.tooltip),
                              .background = corner.colour,
                              .font = kButtonFont,
                              .description = description});
}

}  // namespace quillo
