#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace quillo {

// Keeps the keyboard off a control that ends the run ("exit") unless the
// pupil takes it there. Qt hands the focus to the next control in the Tab
// chain when the focused one goes grey, and back to the window's last focus
// when a dialog closes; either way it can land on "exit", and the next Space
// would end the run and lose its grades. The guard sends it on to the control
// the pupil needs next instead. A Tab or a click from a live control still
// reaches the guarded one.
class FocusGuard : public QObject {
    Q_OBJECT

public:
    // Lives as long as the page it guards.
    FocusGuard(QWidget* page, QWidget* guarded, std::function<QWidget*()> next);

private:
    void focusChanged(QWidget* old, QWidget* now);

    QPointer<QWidget> page_;
    QPointer<QWidget> guarded_;
    std::function<QWidget*()> next_;
};

// The first empty box of the page the pupil can type in, in Tab order; null
// when every answer is written.
QWidget* nextEmptyBox(const QWidget& page);

}  // namespace quillo
