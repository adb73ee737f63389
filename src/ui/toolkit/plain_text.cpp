#include "ui/toolkit/plain_text.h"

namespace quillo {

namespace {
bool turnsDirection(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// Tabs and line breaks of every kind, the paragraph marks included.
bool breaksLine(QChar c)
{
    return (c.category() == QChar::Other_Control && c.isSpace()) || c.category() == QChar::Separator_Line ||
           c.category() == QChar::Separator_Paragraph;
}
}  // namespace

QString plainText(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    bool spaced = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (breaksLine(c)) {
            if (!spaced)
                plain.append(QLatin1Char(' '));
            spaced = true;
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            plain.append(c).append(text.at(++i));
            spaced = false;
        } else if (c.category() != QChar::Other_Control && !c.isSurrogate() && !turnsDirection(c.unicode())) {
            plain.append(c);
            spaced = false;
        }
    }
    return plain;
}

int characterCount(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
    }
    return count;
}

QString firstCharacters(const QString& text, int count)
{
    qsizetype end = 0;
    for (int taken = 0; end < text.size() && taken < count; ++taken, ++end) {
        if (text.at(end).isHighSurrogate() && end + 1 < text.size() && text.at(end + 1).isLowSurrogate())
            ++end;
    }
    return text.left(end);
}

}  // namespace quillo
