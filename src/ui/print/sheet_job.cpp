#include "ui/print/sheet_job.h"

#include "core/sheets/family_sheet.h"
#include "core/sheets/worksheet.h"
#include "ui/print/sheet_painter.h"
#include "ui/toolkit/look.h"

#include <QPrinter>

namespace quillo {

PrintJob sheetJob(const sheets::SheetRequest& request)
{
    return {
        .pdfName = sheetFileName(request),
        .orientation = QPageLayout::Portrait,
        .pageSize = QPageSize(QPageSize::A4),
        .paint = [sheet = sheets::makeSheet(request)](QPrinter& printer) { return paintSheet(sheet, printer); },
    };
}

QString sheetFileName(const sheets::SheetRequest& request)
{
    return QStringLiteral("%1-%2.pdf").arg(toQString(sheets::familySheet(request.family).name)).arg(request.seed);
}

}  // namespace quillo
