#pragma once

#include <QIcon>
#include <QString>

namespace quillo {

// Names the program to the desktop: the application name that Qt writes into
// the window's WM_CLASS (the desktop entry's StartupWMClass), the desktop
// entry a Wayland compositor matches the window with, and the icon of every
// window. Call once QApplication exists.
void installIdentity(const QString& version, const QString& desktopId);

// Quillo's icon at every size rendered from its SVG at build time.
QIcon applicationIcon();

}  // namespace quillo
