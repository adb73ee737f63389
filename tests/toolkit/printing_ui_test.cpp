#include "ui/toolkit/page_printer.h"
#include "ui/toolkit/printing.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace quillo {
namespace {

TEST(Printing, PlaysTheRecordedPageOntoAPagedDeviceWithItsTextAsText)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("page.pdf"));
    QLabel page(QStringLiteral("Valutazione dell'esercitazione"));
    page.resize(951, 687);
    page.setAutoFillBackground(true);
    const QPicture recording = PagePrinter::recordingOf(page);
    {
        QPdfWriter writer(file);
        writer.setPageOrientation(QPageLayout::Landscape);
        EXPECT_TRUE(printPicture(recording, page.size(), writer));
    }
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_TRUE(content.contains("/FontFile")) << "the text went in as a picture";
    EXPECT_LT(content.size(), 100 * 1024);

    QPdfWriter unused(folder.filePath(QStringLiteral("empty.pdf")));
    EXPECT_FALSE(printPicture(QPicture(), page.size(), unused)) << "nothing to print is not a success";
}

}  // namespace
}  // namespace quillo
