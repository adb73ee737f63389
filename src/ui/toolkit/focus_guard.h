#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace quillo {

// Keeps the keyboard off the controls that leave the work ("exit", and on
// an exercise "Menu") unless the pupil takes it there. Qt hands the focus to
// the next control in the Tab chain when the focused one goes grey, and back
// to the window's last focus when a dialog closes; either way it can land on
// one of them, and the next Space would end the run or leave the exercise
// with its work. The guard sends it on to the control the pupil needs next
// instead, or nowhere. A Tab or a click from a live control still reaches a
// guarded one.
class FocusGuard : public QObject {
    Q_OBJECT

public:
    // Lives as long as the page it guards.
    FocusGuard(QWidget* page, std::vector<QWidget*> guarded, std::function<QWidget*()> next);

private:
    void focusChanged(QWidget* old, QWidget* now);

    QPointer<QWidget> page_;
    std::vector<QPointer<QWidget>> guarded_;
    std::function<QWidget*()> next_;
};

// The first empty box of the page the pupil can type in, in Tab order; null
// when every answer is written.
QWidget* nextEmptyBox(const QWidget& page);

}  // namespace quillo
