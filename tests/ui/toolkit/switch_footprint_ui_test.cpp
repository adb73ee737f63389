#include "support/harness.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <malloc.h>

#include <set>
#include <span>

namespace quillo::testing {
namespace {

// Fusion, noting the palette of every bevel it is asked to draw: the key its
// pixmap cache files the bevel under.
class PaletteWatch : public QProxyStyle {
public:
    PaletteWatch() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        keys.insert(option->palette.cacheKey());
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable std::set<qint64> keys;
};

// Screens whose pages carry buttons and boxes of many colours.
constexpr ScreenId kRound[] = {ScreenId::MainMenu, ScreenId::FractionsMenu, screenOf(ExerciseFamily::Addition),
                               screenOf(ExerciseFamily::Division), ScreenId::DecimalsMenu};

void switchRounds(Harness& app, int rounds, std::span<const ScreenId> screens = kRound)
{
    for (int round = 0; round < rounds; ++round) {
        for (const ScreenId screen : screens) {
            app.registry.showScreen(screen);
            app.window.repaint();
            Harness::settle();
        }
    }
}

TEST(SwitchFootprint, PagesShareTheirPalettesWithTheStyle)
{
    auto* watch = new PaletteWatch;
    QApplication::setStyle(watch);
    {
        Harness app;
        app.enterName();
        switchRounds(app, 2);
        const std::size_t warm = watch->keys.size();
        switchRounds(app, 1000 / static_cast<int>(std::size(kRound)));
        EXPECT_EQ(watch->keys.size(), warm) << "1,000 switches filed bevels under new palette keys";
        EXPECT_LT(warm, 40u);
    }
    installLook();
}

// Counts the palette changes that reach the page or any control on it.
class PaletteChanges : public QObject {
public:
    explicit PaletteChanges(const QWidget& page) : page_(page) { qApp->installEventFilter(this); }
    ~PaletteChanges() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::PaletteChange && widget && (widget == &page_ || page_.isAncestorOf(widget)))
            ++count;
        return false;
    }
    int count = 0;

private:
    const QWidget& page_;
};

TEST(SwitchFootprint, TheWindowShowsAPageWithoutColouringItsControlsAgain)
{
    Harness app;
    app.enterName();
    for (const ScreenId screen : kRound) {
        Page* page = app.registry.instance(screen)->open();
        const PaletteChanges changes(*page);
        app.window.showPage(page);
        EXPECT_EQ(changes.count, 0) << "screen " << static_cast<int>(screen);
    }
}

TEST(SwitchFootprint, TenThousandSwitchesLeaveTheHeapAsTheyFoundIt)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps freed memory in quarantine, so the heap cannot be read";
#endif
    // The two lightest pages with buttons, in a small window, keep the
    // 10,000 switches quick.
    const ScreenId light[] = {ScreenId::FractionsMenu, ScreenId::DecimalsMenu};
    Harness app({476, 344});
    app.enterName();
    switchRounds(app, 50, light);
    const std::size_t before = mallinfo2().uordblks;
    switchRounds(app, 5000, light);
    const auto grown = static_cast<long long>(mallinfo2().uordblks) - static_cast<long long>(before);
    EXPECT_LT(grown, 1 << 20) << "bytes still held after 10,000 switches";
}

}  // namespace
}  // namespace quillo::testing
