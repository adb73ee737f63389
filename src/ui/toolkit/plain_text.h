#pragma once

#include <QString>

namespace quillo {

// Text that came from outside a key handler (the clipboard, a drop) can carry
// what no pupil means to write and what misleads wherever the text goes next:
// control characters, marks that turn the direction of the text around (a
// file name that reads "fdp.exe" backwards), and half of a character from
// beyond the basic plane. plainText keeps everything else; a run of tabs and
// line breaks becomes one space, so two pasted lines stay two words.
QString plainText(const QString& text);

// Characters as a reader counts them: a character beyond the basic plane, such
// as an emoji, is one, not the two halves a QString holds.
int characterCount(const QString& text);
// The first count characters of the text, never cutting one in half.
QString firstCharacters(const QString& text, int count);

}  // namespace quillo
