#include "core/sheets/family_sheet.h"
#include "core/sheets/worksheet.h"
#include "support/pdf_reading.h"
#include "support/scenes.h"
#include "ui/app/sheets_window.h"
#include "ui/print/sheet_job.h"
#include "ui/toolkit/look.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTemporaryDir>

#include <cstdio>

// The first page of every family's worksheet and of its key, as pdftoppm
// renders the PDF a teacher prints, and the teacher's window over a sheet.
namespace quillo::testing {
namespace {

int saved(const QImage& picture, const QString& file)
{
    if (!picture.isNull() && picture.save(file))
        return 1;
    std::fprintf(stderr, "could not write %s\n", qPrintable(file));
    return 0;
}

int sheetPages(const QString& folder)
{
    QTemporaryDir drafts;
    int written = 0;
    for (const ExerciseFamily family : kAllFamilies) {
        const sheets::SheetRequest request{family, 0, sheets::exercisesPerPage(family, 0), 4711, true};
        const QString pdf = drafts.filePath(sheetFileName(request));
        if (!writePdf(sheetJob(request), pdf))
            continue;
        const QString name = toQString(sheets::familySheet(family).name);
        written += saved(pdfPage(pdf, 100, 1), QStringLiteral("%1/sheet-%2-page.png").arg(folder, name));
        written += saved(pdfPage(pdf, 100, 2), QStringLiteral("%1/sheet-%2-key.png").arg(folder, name));
    }
    return written;
}

int sheetsWindow(const QString& folder)
{
    SheetsWindow window;
    window.findChild<QComboBox*>(QStringLiteral("choiceBox"))->setCurrentIndex(2);
    window.findChild<QSpinBox*>(QStringLiteral("countBox"))->setValue(12);
    window.findChild<QSpinBox*>(QStringLiteral("seedBox"))->setValue(4711);
    window.findChild<QCheckBox*>(QStringLiteral("keyCheck"))->setChecked(true);
    window.show();
    QApplication::processEvents();
    return saved(window.grab().toImage(), folder + QStringLiteral("/sheets-window.png"));
}

const PicturesRegistrar sheetScenes{[](const QString& folder) { return sheetPages(folder) + sheetsWindow(folder); }};

}  // namespace
}  // namespace quillo::testing
