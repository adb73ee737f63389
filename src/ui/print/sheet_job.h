#pragma once

#include "core/sheets/sheet_request.h"
#include "ui/toolkit/printing.h"

#include <QString>

namespace quillo {

// A worksheet as a print job: the sheet is made once, here, from the
// request, and the job paints those very pages on whatever it is given (the
// printer chosen in the print dialog, a PDF file, the preview).
PrintJob sheetJob(const sheets::SheetRequest& request);

// The file a sheet goes to unless told otherwise, named so that a teacher
// can tell sheets apart and ask for one again: "divisione-4711.pdf".
QString sheetFileName(const sheets::SheetRequest& request);

}  // namespace quillo
