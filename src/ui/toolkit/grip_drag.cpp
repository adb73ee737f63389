#include "ui/toolkit/grip_drag.h"

#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace quillo {

GripDrag::GripDrag(QWidget& widget, std::function<int()> gripHeight, std::function<void()> dropped)
    : QObject(&widget), widget_(widget), gripHeight_(std::move(gripHeight)), dropped_(std::move(dropped))
{
    widget.installEventFilter(this);
}

bool GripDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &widget_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->position().y() < gripHeight_())
            from_ = mouse->globalPosition().toPoint() - widget_.pos();
        return true;
    }
    case QEvent::MouseMove:
        moveTo(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (from_) {
            from_.reset();
            dropped_();
        }
        return true;
    default:
        return false;
    }
}

void GripDrag::moveTo(QPoint globalPointer)
{
    const QWidget* parent = widget_.parentWidget();
    if (!from_ || !parent)
        return;
    QPoint to = globalPointer - *from_;
    to.setX(std::clamp(to.x(), 0, std::max(0, parent->width() - widget_.width())));
    to.setY(std::clamp(to.y(), 0, std::max(0, parent->height() - widget_.height())));
    widget_.move(to);
}

}  // namespace quillo
