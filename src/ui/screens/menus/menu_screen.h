#pragma once

#include "ui/kit/screen_id.h"
#include "ui/kit/services.h"
#include "core/kit/colours.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/screen.h"
#include "ui/toolkit/twips.h"

#include "ui/toolkit/page.h"

#include <QPointer>
#include <QString>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace quillo {

class Page;

// One line of a menu: a button at the left edge and what it opens, described
// by a label on the same ruled line.
struct MenuEntry {
    QString name;  // <name>Button and <name>Description
    std::string_view caption;
    std::string_view description;
    ScreenId target;
    Colour colour;
};

// A button of a menu that stands on its own: "Menu" and "exit".
struct MenuCorner {
    TwipRect place;
    std::string_view tooltip;
    Colour colour;
};

// What tells one menu from another.
struct MenuDesign {
    QString caption;
    QString title;
    std::vector<MenuEntry> entries;
    MenuCorner exit;
    // The "Menu" corner of the section menus; the main menu has none.
    std::optional<MenuCorner> mainMenu;
    // The label at the bottom centre, which the main menu goes without.
    bool footer = true;
};

// The look every menu shares: a title across the top, a column of buttons
// one ruled line apart with their descriptions, and corner buttons. The
// section menus are this alone; the main menu adds the pupil's name.
class MenuScreen : public Screen {
public:
    MenuScreen(Services& services, MenuDesign design) : services_(services), design_(std::move(design)) {}
    Page* open() final;

protected:
    // Everything a menu adds to the shared look.
    virtual void build(Page&) {}

    Page& page() const { return *page_; }
    Services& services() const { return services_; }
    std::vector<Button*> entryButtons() const { return entryButtons_; }

    static constexpr int kFirstEntryTop = 1680;

private:
    Button* addCorner(const QString& name, const MenuCorner& corner, const QString& caption,
                      const QString& description);

    Services& services_;
    MenuDesign design_;
    QPointer<Page> page_;
    std::vector<Button*> entryButtons_;
};

}  // namespace quillo
