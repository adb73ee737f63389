#pragma once

#include "core/sheets/sheet_command.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quillo {

// What the command line asks for, read before any window or display exists,
// so `quillo --version` answers on a terminal with no desktop at all.
struct CommandLine {
    bool startWindow = true;  // false: print and leave with exitCode, or write `sheet`
    bool sheetsWindow = false;  // --schede: the teacher's worksheet window, not the pupil's program
    std::optional<sheets::SheetCommand> sheet;  // --scheda: a worksheet to write, with no window
    int exitCode = 0;
    QString output;           // for stdout
    QString errors;           // for stderr
};

// arguments[0] is the program. Qt's own options (-platform, -style, ...) are
// let through for QApplication to take; anything else unknown is refused.
// A worksheet without --seme gets a fresh seed here.
CommandLine readCommandLine(const QStringList& arguments, const QString& version);
CommandLine readCommandLine(int argc, char* argv[], const QString& version);

// Prints what the command line has to say; returns its exit code.
int report(const CommandLine& line);

}  // namespace quillo
