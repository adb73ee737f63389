#include "support/harness.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include <stdexcept>

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
    if (!window.page())
        throw std::runtime_error("no page is shown");
    return *window.page();
}

QWidget* Harness::lookUp(const QString& name) const
{
    return page().findChild<QWidget*>(name);
}

void Harness::click(const QString& name) const
{
    QTest::mouseClick(find(name), Qt::LeftButton);
    settle();
}

void Harness::type(const QString& name, const QString& keys) const
{
    QWidget* widget = find(name);
    widget->setFocus();
    QTest::keyClicks(widget, keys);
}

void Harness::key(const QString& name, Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    QWidget* widget = find(name);
    widget->setFocus();
    QTest::keyClick(widget, key, modifiers);
}

void Harness::enterName(const QString& name) const
{
    type(QStringLiteral("nameBox"), name);
}

void Harness::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void Harness::reportMissing(const QString& name)
{
    throw std::runtime_error("no control named " + name.toStdString());
}

}  // namespace quillo::testing
