#include "ui/toolkit/accessible.h"
#include "ui/toolkit/look.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include <cstdio>

namespace {

// The offscreen platform warns about every window it cannot size-hint and
// about the missing runtime folder; neither says anything about Quillo, and
// they would bury the warnings that do.
void quietOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
    std::fprintf(stderr, "%s\n", text.constData());
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreenNoise);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication app(argc, argv);
    quillo::installLook();
    quillo::installAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
