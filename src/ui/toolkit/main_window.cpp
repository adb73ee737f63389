#include "ui/toolkit/main_window.h"

#include "ui/toolkit/free_area.h"
#include "ui/toolkit/page.h"
#include "ui/toolkit/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputDevice>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace quillo {

namespace {
constexpr int kEdgeGap = 2;

bool hasTouchScreen()
{
    const auto devices = QInputDevice::devices();
    return std::any_of(devices.begin(), devices.end(), [](const QInputDevice* device) {
        return device->type() == QInputDevice::DeviceType::TouchScreen;
    });
}

// Three rows of three keys: the toggle needs no words and no font. Drawn
// large, it stays sharp on a toggle a finger's size.
QIcon keypadIcon()
{
    QPixmap picture(96, 96);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            painter.fillRect(6 + column * 30, 6 + row * 30, 24, 24, QColor(0x30, 0x30, 0x30));
    return QIcon(picture);
}
}  // namespace

MainWindow::MainWindow()
{
    setAutoFillBackground(true);
    QPalette surround = palette();
    surround.setColor(QPalette::Window, QColor(0xE8, 0xE4, 0xDA));
    // Black ink on white boxes whatever the desktop's theme: every label and
    // box of the pages takes these unless it is given colours of its own.
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        surround.setColor(group, QPalette::WindowText, Qt::black);
        surround.setColor(group, QPalette::Base, Qt::white);
        surround.setColor(group, QPalette::Text, Qt::black);
    }
    setPalette(surround);
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setContext(Qt::WindowShortcut);
    QObject::connect(fullScreen, &QShortcut::activated, this, &MainWindow::toggleFullScreen);
    resize(initialSize());
    noteForNewPages();
}

MainWindow::~MainWindow()
{
    // Closing moves the keyboard, which the panel follows, and may change
    // what the page has in play: by then there is no MainWindow left to fit.
    if (panel_)
        panel_->disconnect(this);
    if (page_)
        page_->disconnect(this);
    Page::setHomeForNewPages(nullptr, nullptr);
}

QSize MainWindow::initialSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int height = available.height() * 4 / 5;
    const int width = static_cast<int>(std::lround(height * 9510.0 / 6870.0));
    return QSize(std::min(width, available.width()), height);
}

void MainWindow::showPage(Page* page)
{
    Page* previous = page_;
    page_ = page;
    page->setParent(this);
    QObject::connect(page, &Page::inPlayChanged, this, [this, page] {
        if (page == page_)
            fitPage();
    });
    fitPage();
    page->show();
    // The page must not cover what stands over the window.
    if (panel_)
        panel_->raise();
    if (toggle_)
        toggle_->raise();
    setWindowTitle(page->caption());
    if (previous) {
        previous->hide();
        // The switch is often asked for by a control of the old page, inside
        // its own click handler: let that handler return before it goes.
        previous->deleteLater();
    }
    if (QWidget* focus = page->initialFocus())
        focus->setFocus();
}

void MainWindow::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void MainWindow::setSidePanel(SidePanel* panel)
{
    panel_ = panel;
    panel->setParent(this);
    panel->hide();
    QObject::connect(panel, &SidePanel::contentChanged, this, &MainWindow::fitPage);
    // Let go over something in play, it slides to the nearest free place.
    QObject::connect(panel, &SidePanel::dropped, this, &MainWindow::fitPage);

    toggle_ = new QToolButton(this);
    toggle_->setObjectName(QStringLiteral("keypadToggle"));
    toggle_->setAccessibleName(QStringLiteral("Tastierino"));
    toggle_->setToolTip(QStringLiteral("Mostra o nasconde il tastierino (F12)"));
    toggle_->setIcon(keypadIcon());
    toggle_->setCheckable(true);
    // Pressing it must leave the keyboard with the cell the pupil was in.
    toggle_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(toggle_, &QToolButton::clicked, this, &MainWindow::toggleSidePanel);
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F12), this);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, this, &MainWindow::toggleSidePanel);
    fitPage();
}

bool MainWindow::isSidePanelShown() const
{
    return panel_ && panelChosen_.value_or(isFullScreen() || hasTouchScreen());
}

void MainWindow::toggleSidePanel()
{
    if (!panel_)
        return;
    panelChosen_ = !isSidePanelShown();
    fitPage();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitPage();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        fitPage();
    if (event->type() == QEvent::PaletteChange)
        noteForNewPages();
}

void MainWindow::noteForNewPages() const
{
    Page::setScaleForNewPages(std::min(static_cast<double>(width()) / kPageWidth,
                                       static_cast<double>(height()) / kPageHeight));
    const QPalette colours = palette();
    Page::setHomeForNewPages(&colours, screen());
}

double MainWindow::fittingScale() const
{
    const int pageWidth = page_ ? page_->widthTwips() : kPageWidth;
    const int pageHeight = page_ ? page_->heightTwips() : kPageHeight;
    return std::min(static_cast<double>(width()) / pageWidth, static_cast<double>(height()) / pageHeight);
}

int MainWindow::cellPixels(double scale) const
{
    return static_cast<int>(std::lround(kCellSize * scale));
}

// About a centimetre on the glass, however dense its pixels: a fingertip.
int MainWindow::fingerPixels() const
{
    const QScreen* glass = screen();
    const double dpi = glass ? glass->physicalDotsPerInch() : 0;
    return static_cast<int>(std::ceil((std::isfinite(dpi) && dpi > 0 ? dpi : 96.0) / 2.54));
}

void MainWindow::fitPage()
{
    noteForNewPages();
    const double scale = fittingScale();
    const int cell = cellPixels(scale);
    const int finger = fingerPixels();
    const int pageWidth = static_cast<int>(std::lround((page_ ? page_->widthTwips() : kPageWidth) * scale));
    const int pageHeight = static_cast<int>(std::lround((page_ ? page_->heightTwips() : kPageHeight) * scale));
    // The band beside the page takes the keypad whenever it holds keys a
    // finger can hit, as large as the cells they type into if it can. The
    // band's bottom corner is the toggle's.
    const QRect band(pageWidth, 0, width() - pageWidth, height() - std::max(cell, finger) - 2 * kEdgeGap);
    docked_ = isSidePanelShown() && panel_->largestKeyIn(band.size(), std::max(cell, finger)) >= finger;
    // Docked, the page keeps to the left and leaves the band whole.
    const int left = docked_ ? 0 : (width() - pageWidth) / 2;
    if (page_)
        page_->setGeometry(left, (height() - pageHeight) / 2, pageWidth, pageHeight);
    if (panel_)
        placePanel(band, cell, finger);
}

void MainWindow::placePanel(QRect band, int cell, int finger)
{
    // A target for a finger: as large as an answer cell, never under a
    // fingertip.
    const int target = std::max(cell, finger);
    const int air = std::max(3, cell / 16);
    Taken taken = takenOnPage(air);
    if (docked_)
        taken.add(band, false);
    const QRect toggle = placeToggle(taken, target);
    toggle_->setGeometry(toggle);
    toggle_->setIconSize(toggle.size() * 3 / 5);
    toggle_->setChecked(isSidePanelShown());
    if (!isSidePanelShown()) {
        panel_->hide();
        return;
    }
    if (docked_) {
        panel_->setDocked(true, target);
        panel_->setGeometry(band);
        panelPlaced_ = false;
    }
    else {
        taken.add(toggle.adjusted(-air, -air, air, air), false);
        const auto [place, key] = floatingPlace(taken, target, finger);
        panel_->setDocked(false, key);
        panel_->setGeometry(place);
        panelPlaced_ = true;
    }
    panel_->show();
    panel_->raise();
    toggle_->raise();
}

void MainWindow::Taken::add(QRect area, bool words)
{
    all.push_back(area);
    if (!words)
        controls.push_back(area);
}

MainWindow::Taken MainWindow::takenOnPage(int air) const
{
    Taken taken;
    if (!page_)
        return taken;
    for (const Page::InPlay& thing : page_->inPlay())
        taken.add(thing.area.translated(page_->pos()).adjusted(-air, -air, air, air), thing.words);
    return taken;
}

QRect MainWindow::placeToggle(const Taken& taken, int edge) const
{
    // In a corner the hand finds it without looking, the bottom right first;
    // when every corner holds something in play, the free place nearest it.
    const QRect bounds = rect().adjusted(kEdgeGap, kEdgeGap, -kEdgeGap, -kEdgeGap);
    const QSize size(edge, edge);
    const QRect bottomRight(bounds.bottomRight() - QPoint(edge - 1, edge - 1), size);
    const QRect corners[] = {bottomRight, QRect(QPoint(bottomRight.x(), bounds.y()), size),
                             QRect(QPoint(bounds.x(), bottomRight.y()), size), QRect(bounds.topLeft(), size)};
    const FreeArea clear(bounds, taken.all);
    for (const QRect& corner : corners) {
        if (clear.isFree(corner))
            return corner;
    }
    if (const auto place = clear.nearestFree(bottomRight))
        return *place;
    const FreeArea controls(bounds, taken.controls);
    return controls.nearestFree(bottomRight).value_or(controls.leastCovering(bottomRight));
}

MainWindow::Floating MainWindow::floatingPlace(const Taken& taken, int largest, int smallest) const
{
    const FreeArea clear(rect(), taken.all);
    const FreeArea controls(rect(), taken.controls);
    // Clear of everything in play if it can be, else of all but words; with
    // the largest keys that leave it a place, in the shape whose place is
    // nearest the one it has, or the bottom right at first.
    for (const FreeArea* area : {&clear, &controls}) {
        const auto placeFor = [&](int key) {
            std::optional<QRect> best;
            int bestDistance = 0;
            for (QSize size : panel_->floatingSizes(key)) {
                const QRect wanted = wantedPlace(size);
                const auto place = area->nearestFree(wanted);
                const int away = place ? (place->topLeft() - wanted.topLeft()).manhattanLength() : 0;
                if (place && (!best || away < bestDistance)) {
                    best = place;
                    bestDistance = away;
                }
            }
            return best;
        };
        if (!placeFor(smallest))
            continue;
        // Larger keys need more room, so the largest that fit are found by
        // halving.
        int fits = smallest;
        int tooLarge = largest + 1;
        while (tooLarge - fits > 1) {
            const int key = (fits + tooLarge) / 2;
            if (placeFor(key))
                fits = key;
            else
                tooLarge = key;
        }
        return {*placeFor(fits), fits};
    }
    // No room clear of the controls: the smallest keys, where they cover the
    // least of them.
    return {controls.leastCovering(wantedPlace(panel_->floatingSizes(smallest).front())), smallest};
}

QRect MainWindow::wantedPlace(QSize size) const
{
    if (panelPlaced_)
        return {panel_->pos(), size};
    return {QPoint(width() - size.width() - kEdgeGap, height() - size.height() - kEdgeGap), size};
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (onClosed)
        onClosed();
}

}  // namespace quillo
