#include "ui/toolkit/main_window.h"

#include "ui/toolkit/page.h"
#include "ui/toolkit/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

#include <cmath>

namespace quillo {

MainWindow::MainWindow()
{
    setAutoFillBackground(true);
    QPalette surround = palette();
    surround.setColor(QPalette::Window, QColor(0xE8, 0xE4, 0xDA));
    setPalette(surround);
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setContext(Qt::WindowShortcut);
    QObject::connect(fullScreen, &QShortcut::activated, this, &MainWindow::toggleFullScreen);
    resize(initialSize());
    noteScaleForNewPages();
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

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitPage();
}

void MainWindow::noteScaleForNewPages() const
{
    Page::setScaleForNewPages(std::min(static_cast<double>(width()) / kPageWidth,
                                       static_cast<double>(height()) / kPageHeight));
}

void MainWindow::fitPage()
{
    noteScaleForNewPages();
    if (!page_)
        return;
    const double scale = std::min(static_cast<double>(width()) / page_->widthTwips(),
                                  static_cast<double>(height()) / page_->heightTwips());
    const int w = static_cast<int>(std::lround(page_->widthTwips() * scale));
    const int h = static_cast<int>(std::lround(page_->heightTwips() * scale));
    page_->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

}  // namespace quillo
