#include "ui/toolkit/focus_guard.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>

namespace quillo {

FocusGuard::FocusGuard(QWidget* page, std::vector<QWidget*> guarded, std::function<QWidget*()> next)
    : QObject(page), page_(page), guarded_(guarded.begin(), guarded.end()), next_(std::move(next))
{
    connect(qApp, &QApplication::focusChanged, this, &FocusGuard::focusChanged);
}

void FocusGuard::focusChanged(QWidget* old, QWidget* now)
{
    if (!now || std::find(guarded_.begin(), guarded_.end(), now) == guarded_.end())
        return;
    // The pupil moved it here from a control that is still there to use.
    const bool fromLiveControl = old && old->isEnabled() && old->isVisible() && old->window() == now->window();
    if (fromLiveControl)
        return;
    QWidget* next = next_ ? next_() : nullptr;
    if (next && next != now && next->isEnabled() && next->isVisible())
        next->setFocus(Qt::OtherFocusReason);
    else
        now->clearFocus();
}

QWidget* nextEmptyBox(const QWidget& page)
{
    // The Tab chain runs through the whole window; keep to this page's boxes.
    for (QWidget* widget = page.nextInFocusChain(); widget && widget != &page; widget = widget->nextInFocusChain()) {
        auto* box = qobject_cast<QLineEdit*>(widget);
        if (box && page.isAncestorOf(box) && box->isEnabled() && box->isVisible() && !box->isReadOnly()
            && (box->focusPolicy() & Qt::TabFocus) && box->text().isEmpty())
            return box;
    }
    return nullptr;
}

}  // namespace quillo
