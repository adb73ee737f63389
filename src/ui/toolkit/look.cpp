#include "ui/toolkit/look.h"

#include <QApplication>
#include <QStyleFactory>

namespace quillo {

void installLook()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("Mistral"),
                               {QStringLiteral("Dancing Script"), QStringLiteral("URW Chancery L")});
    // Fusion honours each button's and box's own palette, which carries the
    // family colours; the native styles would paint over them.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

}  // namespace quillo
