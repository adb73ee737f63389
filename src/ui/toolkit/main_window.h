#pragma once

#include "ui/toolkit/page.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QToolButton;

namespace quillo {

class Page;

// A panel the window keeps beside its page, never on it: in the free band
// when the window is wider than the page, or floating over the window where
// the pupil drags it. The window tells it the size of one answer cell, in
// pixels, so its keys are never smaller than the cells they type into.
class SidePanel : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The narrowest band beside the page the panel can stand in.
    virtual int leastBandWidth(int cellPixels) const = 0;
    // Docked in a band, or floating at a size of its own within the room.
    virtual void setDocked(bool docked, int cellPixels) = 0;
    virtual QSize floatingSize(int cellPixels, QSize room) const = 0;

Q_SIGNALS:
    // What the panel shows changed, and with it the size it floats at.
    void contentChanged();
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
    // touch screen, hidden otherwise. F12 and the toggle at the window's
    // edge show and hide it, and that choice then holds for the run.
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
    void fitPage();
    void placePanel(double scale);
    void placeFloatingPanel(bool keepPlace);
    void noteForNewPages() const;
    double fittingScale() const;
    int cellPixels(double scale) const;

    QPointer<Page> page_;
    QPointer<SidePanel> panel_;
    QToolButton* toggle_ = nullptr;
    std::optional<bool> panelChosen_;
    bool docked_ = false;
    bool panelPlaced_ = false;
};

}  // namespace quillo
