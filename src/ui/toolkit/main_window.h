#pragma once

#include "ui/toolkit/page.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QToolButton;

namespace quillo {

class Page;

// A panel of keys the window keeps off what the pupil reads and writes: in
// the free band beside the page when its keys fit there at a finger's size,
// floating over the window where nothing in play lies otherwise. The window
// asks it what sizes it can take and gives it one.
class SidePanel : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The edge of the largest keys the panel can lay out docked within this
    // area, no larger than `largest`; 0 when none fit.
    virtual int largestKeyIn(QSize area, int largest) const = 0;
    // The sizes it can float at with keys of this edge, its favourite shape
    // first.
    virtual std::vector<QSize> floatingSizes(int key) const = 0;
    // Docked or floating; its keys take the largest edge, up to `key`, that
    // the area the window gives it holds.
    virtual void setDocked(bool docked, int key) = 0;

Q_SIGNALS:
    // What the panel shows changed, and with it the sizes it can take.
    void contentChanged();
    // The pupil let go of the floating panel after dragging it.
    void dropped();
};

// The one window of the run. It holds one page at a time, fits it to its
// client area without distorting it, and keeps its own size, place and
// full-screen state whatever page it shows.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // Shows the page and takes its caption; the previous page is destroyed.
    void showPage(Page* page);
    Page* page() const { return page_; }
    void toggleFullScreen();

    // The window takes the panel; it starts shown in full screen and on a
    // touch screen, hidden otherwise. F12 and the toggle show and hide it,
    // and that choice then holds for the run. The toggle is a finger's size
    // and stands in a corner, or else nearest one, clear of what is in play.
    void setSidePanel(SidePanel* panel);
    SidePanel* sidePanel() const { return panel_; }
    void toggleSidePanel();
    bool isSidePanelShown() const;
    bool isSidePanelDocked() const { return docked_; }

    // The size a first window takes: about four fifths of the screen's height.
    static QSize initialSize();

    // Run when the window closes, whatever closed it.
    std::function<void()> onClosed;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What stands on the window, in its pixels, with some air around it.
    struct Taken {
        std::vector<QRect> all;
        std::vector<QRect> controls;  // all but words
        void add(QRect area, bool words);
    };

    void fitPage();
    // The toggle and the panel, docked in the band or floating.
    void placePanel(QRect band, int cell, int finger);
    Taken takenOnPage(int air) const;
    QRect placeToggle(const Taken& taken, int edge) const;
    struct Floating {
        QRect place;
        int key = 0;
    };
    Floating floatingPlace(const Taken& taken, int largest, int smallest) const;
    QRect wantedPlace(QSize size) const;
    void noteForNewPages() const;
    double fittingScale() const;
    int cellPixels(double scale) const;
    int fingerPixels() const;

    QPointer<Page> page_;
    QPointer<SidePanel> panel_;
    QToolButton* toggle_ = nullptr;
    std::optional<bool> panelChosen_;
    bool docked_ = false;
    bool panelPlaced_ = false;
};

}  // namespace quillo
