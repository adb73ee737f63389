#pragma once

#include "ui/toolkit/page.h"

#include <QPointer>
#include <QWidget>

namespace quillo {

class Page;

// The one window of the run. It holds one page at a time, fits it to its
// client area without distorting it, and keeps its own size, place and
// full-screen state whatever page it shows.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow();

    // Shows the page and takes its caption; the previous page is destroyed.
    void showPage(Page* page);
    Page* page() const { return page_; }
    void toggleFullScreen();

    // The size a first window takes: about four fifths of the screen's height.
    static QSize initialSize();

Q_SIGNALS:
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fitPage();
    void noteScaleForNewPages() const;

    QPointer<Page> page_;
};

}  // namespace quillo
