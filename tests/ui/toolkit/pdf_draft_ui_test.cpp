#include "ui/toolkit/page_printer.h"
#include "ui/toolkit/printing.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace quillo::testing {
namespace {

// A job of two pages, the second of which fails or not.
PrintJob twoPages(const char* words, bool secondFails)
{
    return {.pdfName = QStringLiteral("scheda.pdf"),
            .paint = [words, secondFails](QPrinter& printer) {
                QPainter painter(&printer);
                painter.drawText(QPointF(200, 200), QString::fromLatin1(words));
                return printer.newPage() && !secondFails;
            }};
}

QStringList filesIn(const QTemporaryDir& folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

TEST(PdfDraft, AFileIsWrittenWholeOrNotAtAll)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("scheda.pdf"));
    EXPECT_FALSE(writePdf(twoPages("mezza", true), path));
    EXPECT_TRUE(filesIn(folder).isEmpty()) << "no half-written file, no draft";

    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("la scheda di ieri");
    old.close();
    EXPECT_FALSE(writePdf(twoPages("mezza", true), path));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "la scheda di ieri") << "a failed job leaves the old file as it was";
    EXPECT_EQ(filesIn(folder), QStringList{QStringLiteral("scheda.pdf")});
    old.close();

    EXPECT_TRUE(writePdf(twoPages("intera", false), path));
    EXPECT_EQ(filesIn(folder), QStringList{QStringLiteral("scheda.pdf")});
    EXPECT_EQ(pdfInfo(path).pages, 2);
    EXPECT_TRUE(pdfText(path).contains(QStringLiteral("intera")));

    EXPECT_FALSE(writePdf(twoPages("altrove", false), folder.filePath(QStringLiteral("manca/scheda.pdf"))));
}

TEST(PdfDraft, ASaveThatFailsSaysSoAndLeavesNothing)
{
    QTemporaryDir folder;
    QWidget window;
    window.resize(300, 200);
    window.show();
    PagePrinter printer;
    QSignalSpy finished(&printer, &PagePrinter::finished);
    ASSERT_TRUE(printer.saveAsPdf(twoPages("mezza", true), window));
    ASSERT_NE(printer.saveDialog(), nullptr);
    auto* fileName = printer.saveDialog()->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(fileName, nullptr);
    fileName->setText(folder.filePath(QStringLiteral("scheda.pdf")));
    QTest::keyClick(fileName, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(printer.message() != nullptr, 30000);
    EXPECT_EQ(printer.message()->objectName(), QStringLiteral("saveProblem"));
    EXPECT_TRUE(printer.message()->text().contains(QStringLiteral("Non è stato possibile salvare")));
    QTest::keyClick(printer.message(), Qt::Key_Return);
    ASSERT_FALSE(finished.isEmpty());
    EXPECT_EQ(finished.takeFirst().at(0).value<PagePrinter::Outcome>(), PagePrinter::Outcome::Failed);
    EXPECT_TRUE(filesIn(folder).isEmpty());
}

}  // namespace
}  // namespace quillo::testing
