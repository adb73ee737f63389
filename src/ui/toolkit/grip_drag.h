#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QWidget;

namespace quillo {

// Lets the pointer drag a floating widget about its parent by a grip along
// the widget's top edge, never past the parent's edges. The widget owns it
// and takes no pointer events of its own: a press anywhere else on it stays
// with it rather than reaching the window behind.
class GripDrag final : public QObject {
public:
    // gripHeight is read at each press; 0 means there is nothing to drag by.
    // dropped runs when the pointer lets go of a widget it held by the grip.
    GripDrag(QWidget& widget, std::function<int()> gripHeight, std::function<void()> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveTo(QPoint globalPointer);

    QWidget& widget_;
    std::function<int()> gripHeight_;
    std::function<void()> dropped_;
    // Where the pointer took hold, relative to the widget's corner.
    std::optional<QPoint> from_;
};

}  // namespace quillo
