#include "ui/toolkit/main_window.h"

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

// Three rows of three keys: the toggle needs no words and no font.
QIcon keypadIcon()
{
    QPixmap picture(30, 30);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            painter.fillRect(2 + column * 9, 2 + row * 9, 8, 8, QColor(0x30, 0x30, 0x30));
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
    fitPage();
    page->show();
    // The page must not cover what stands over the window.
    if (toggle_)
        toggle_->raise();
    if (panel_)
        panel_->raise();
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
    QObject::connect(panel, &SidePanel::contentChanged, this, [this] {
        if (!docked_)
            placeFloatingPanel(true);
    });

    toggle_ = new QToolButton(this);
    toggle_->setObjectName(QStringLiteral("KeypadToggle"));
    toggle_->setAccessibleName(QStringLiteral("Tastierino"));
    toggle_->setToolTip(QStringLiteral("Mostra o nasconde il tastierino (F12)"));
    toggle_->setIcon(keypadIcon());
    toggle_->setAutoRaise(true);
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

void MainWindow::fitPage()
{
    noteForNewPages();
    const double scale = fittingScale();
    placePanel(scale);
    if (!page_)
        return;
    const int w = static_cast<int>(std::lround(page_->widthTwips() * scale));
    const int h = static_cast<int>(std::lround(page_->heightTwips() * scale));
    // Docked, the page keeps to the left and leaves the band whole.
    const int left = docked_ ? 0 : (width() - w) / 2;
    page_->setGeometry(left, (height() - h) / 2, w, h);
}

void MainWindow::placePanel(double scale)
{
    if (!panel_)
        return;
    const int cell = cellPixels(scale);
    const int pageWidth = static_cast<int>(std::lround((page_ ? page_->widthTwips() : kPageWidth) * scale));
    const int band = width() - pageWidth;
    const bool shown = isSidePanelShown();
    docked_ = shown && band >= panel_->leastBandWidth(cell);

    const int edge = std::max(18, static_cast<int>(std::lround(cell * 0.35)));
    toggle_->setIconSize(QSize(edge - 6, edge - 6));
    toggle_->setGeometry(width() - edge - kEdgeGap, height() - edge - kEdgeGap, edge, edge);
    toggle_->setCheckable(true);
    toggle_->setChecked(shown);

    if (!shown) {
        panel_->hide();
        return;
    }
    panel_->setDocked(docked_, cell);
    if (docked_) {
        panel_->setGeometry(pageWidth, 0, band, height());
        panelPlaced_ = false;
    }
    else
        placeFloatingPanel(panelPlaced_);
    panel_->show();
    panel_->raise();
    toggle_->raise();
}

void MainWindow::placeFloatingPanel(bool keepPlace)
{
    if (!panel_ || docked_ || !isSidePanelShown())
        return;
    const QSize size = panel_->floatingSize(cellPixels(fittingScale()), this->size());
    // At first in the bottom right corner, clear of the toggle; later where
    // the pupil left it, as long as it stays inside the window.
    QPoint at = keepPlace ? panel_->pos()
                          : QPoint(width() - size.width() - toggle_->width() - 2 * kEdgeGap,
                                   height() - size.height() - kEdgeGap);
    at.setX(std::clamp(at.x(), 0, std::max(0, width() - size.width())));
    at.setY(std::clamp(at.y(), 0, std::max(0, height() - size.height())));
    panel_->setGeometry(QRect(at, size));
    panelPlaced_ = true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (onClosed)
        onClosed();
}

}  // namespace quillo
