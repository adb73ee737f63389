#pragma once

#include "core/sheets/sheet_command.h"
#include "ui/app/command_line.h"

namespace quillo {

// Writes the worksheet a command line asks for into its PDF file and says
// how it went, the way the command line answers: nothing on stdout but the
// file's name when Quillo chose it, one Italian sentence on stderr and exit
// status 1 when the file cannot be written. A file already there is
// replaced only with --sovrascrivi; refusing it is no misuse of the options
// but a fact of the folder, so it is status 1 as well. Needs a
// QGuiApplication for the fonts, but no display.
CommandLine writeSheetFile(const sheets::SheetCommand& command);

// The same, for main(): starts Qt on the offscreen platform, so a teacher
// can prepare sheets over ssh or from a script, and returns the exit status.
int writeSheetWithoutDisplay(const sheets::SheetCommand& command, char* program);

}  // namespace quillo
