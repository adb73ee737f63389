#include "ui/toolkit/page_printer.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace quillo {
namespace {

TEST(PagePrinter, SavingAsPdfWritesTheChosenFileAndNothingElse)
{
    const QString qtSettings =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/QtProject.conf");
    const QDateTime settingsBefore = QFileInfo(qtSettings).lastModified();
    QTemporaryDir folder;
    QLabel page(QStringLiteral("Valutazione"));
    page.resize(400, 290);
    page.show();
    PagePrinter printer;
    printer.setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    QSignalSpy finished(&printer, &PagePrinter::finished);

    ASSERT_TRUE(printer.print(page, QStringLiteral("pagella.pdf")));
    ASSERT_NE(printer.message(), nullptr);
    QTest::mouseClick(printer.message()->button(QMessageBox::Save), Qt::LeftButton);
    QFileDialog* dialog = printer.saveDialog();
    ASSERT_NE(dialog, nullptr);
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(fileName, nullptr);
    fileName->setText(folder.filePath(QStringLiteral("pagella")));
    QTest::keyClick(fileName, Qt::Key_Return);
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(finished.takeFirst().at(0).value<PagePrinter::Outcome>(), PagePrinter::Outcome::SavedAsPdf);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the dialog goes

    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("pagella.pdf")});
    EXPECT_EQ(QFileInfo(qtSettings).lastModified(), settingsBefore) << "the file dialog wrote its settings";
    EXPECT_TRUE(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).allKeys().isEmpty());
}

}  // namespace
}  // namespace quillo
