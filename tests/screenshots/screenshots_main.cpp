// Renders every registered scene to PNG files, for a look at each screen in
// its main states.
#include "support/scenes.h"
#include "ui/toolkit/look.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quillo::installLook();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    int written = 0;
    for (const auto& scene : quillo::testing::scenes()) {
        quillo::testing::Harness harness(scene.windowSize);
        const quillo::testing::Shoot shoot = [&](const QString& state) {
            quillo::testing::Harness::settle();
            const QString file = QStringLiteral("%1/%2-%3.png").arg(folder, scene.name, state);
            if (harness.window.grab().save(file))
                ++written;
            else
                std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        };
        scene.drive(harness, shoot);
    }
    for (const auto& take : quillo::testing::pictures())
        written += take(folder);
    std::printf("%d screenshots in %s\n", written, qPrintable(folder));
    return written > 0 ? 0 : 1;
}
