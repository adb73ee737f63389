#include "ui/kit/footer.h"

#include "ui/toolkit/look.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/page.h"

namespace quillo {

namespace {
constexpr FontSpec kCentredFont{Face::Script, 12, false};
constexpr FontSpec kBesideExitFont{Face::Arial, 7.5, true};
}  // namespace

Label* addFooter(Page& page, std::string_view text, FooterPlace place)
{
    const bool besideExit = place == FooterPlace::BesideExit;
    auto* footer = page.add<Label>(QStringLiteral("footer"),
                                   besideExit ? TwipRect{840, 6120, 1812, 372} : TwipRect{3000, 6480, 3600, 390},
                                   besideExit ? kBesideExitFont : kCentredFont);
    footer->setText(toQString(text));
    if (besideExit)
        footer->setTextColour(colour::Blue);
    else
        footer->setAlignment(Qt::AlignCenter);
    return footer;
}

}  // namespace quillo
