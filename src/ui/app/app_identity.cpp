#include "ui/app/app_identity.h"

#include <QApplication>
#include <QDirIterator>

namespace quillo {

void installIdentity(const QString& version, const QString& desktopId)
{
    QApplication::setApplicationName(QStringLiteral("Quillo"));
    QApplication::setApplicationVersion(version);
    QGuiApplication::setDesktopFileName(desktopId);
    QApplication::setWindowIcon(applicationIcon());
}

QIcon applicationIcon()
{
    // One PNG a size, so no SVG plugin is needed at run time.
    QIcon icon;
    QDirIterator pngs(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (pngs.hasNext())
        icon.addFile(pngs.next());
    return icon;
}

}  // namespace quillo
