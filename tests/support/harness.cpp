#include "support/harness.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace quillo::testing {

Harness::Harness(QSize windowSize)
{
    window.resize(windowSize);
    registry.showScreen(ScreenId::MainMenu);
    window.show();
    settle();
}

Page& Harness::page() const
{
    Page* current = window.page();
    if (!current) {
        std::fprintf(stderr, "no page is shown\n");
        std::abort();
    }
    return *current;
}

QWidget* Harness::lookUp(const QString& name) const
{
    if (auto* widget = page().findChild<QWidget*>(name))
        return widget;
    const auto children = page().findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->property("role").toString() == name)
            return child;
    }
    return nullptr;
}

void Harness::click(const QString& name) const
{
    if (auto* widget = find(name))
        QTest::mouseClick(widget, Qt::LeftButton);
    settle();
}

void Harness::type(const QString& name, const QString& keys) const
{
    if (auto* widget = find(name)) {
        widget->setFocus();
        QTest::keyClicks(widget, keys);
    }
}

void Harness::key(const QString& name, Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    if (auto* widget = find(name)) {
        widget->setFocus();
        QTest::keyClick(widget, key, modifiers);
    }
}

void Harness::enterName(const QString& name) const
{
    type(QStringLiteral("Text1"), name);
}

void Harness::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void Harness::reportMissing(const QString& name)
{
    ADD_FAILURE_AT(__FILE__, __LINE__) << "no control named " << name.toStdString();
}

}  // namespace quillo::testing
