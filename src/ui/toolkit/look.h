#pragma once

#include "core/kit/colours.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <string_view>

namespace quillo {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor toQColor(Colour bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline Colour fromQColor(const QColor& c)
{
    return static_cast<Colour>(c.red()) | (static_cast<Colour>(c.green()) << 8) |
           (static_cast<Colour>(c.blue()) << 16);
}

// The two faces of every page: a plain one for digits and buttons, a
// handwriting one for words the teacher would write; installLook() maps them
// to the metric-compatible faces the set-up installs.
enum class Face { Arial, Script };

struct FontSpec {
    Face face = Face::Arial;
    double points = 10;
    bool bold = false;
};

// The digits of every exercise: cells, given digits and signs.
inline constexpr FontSpec kCellFont{Face::Arial, 24, true};
inline constexpr FontSpec kSignFont{Face::Arial, 18, true};

// The families asked for each face: first the metric-compatible face the
// set-up installs, then the face the page sizes are measured in. Naming the installed face first spares
// the font database a miss and a search at every new size.
inline QStringList fontFamilies(Face face)
{
    if (face == Face::Arial)
        return {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    return {QStringLiteral("Dancing Script"), QStringLiteral("Mistral")};
}

// Registers the substitutes for "Arial" and "Mistral" and the program's style.
void installLook();

}  // namespace quillo
