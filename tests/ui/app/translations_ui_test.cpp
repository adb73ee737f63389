#include "ui/app/translations.h"
#include "ui/toolkit/page_printer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace quillo {
namespace {

// What Qt's standard dialogs say when nobody translates them.
const QStringList kEnglish = {
    QStringLiteral("Look in:"),   QStringLiteral("File name:"),        QStringLiteral("Files of type:"),
    QStringLiteral("Save"),       QStringLiteral("Cancel"),            QStringLiteral("Open"),
    QStringLiteral("Yes"),        QStringLiteral("Back"),              QStringLiteral("Forward"),
    QStringLiteral("Parent Directory"), QStringLiteral("Create New Folder"), QStringLiteral("List View"),
    QStringLiteral("Detail View"), QStringLiteral("Name"),             QStringLiteral("Size"),
    QStringLiteral("Type"),       QStringLiteral("Kind"),              QStringLiteral("Date Modified"),
};

// Every caption, label, tooltip and column title a dialog shows.
QStringList wordsOf(QWidget* dialog)
{
    QStringList words{dialog->windowTitle()};
    for (auto* label : dialog->findChildren<QLabel*>())
        words << label->text();
    for (auto* button : dialog->findChildren<QAbstractButton*>())
        words << button->text() << button->toolTip();
    for (auto* header : dialog->findChildren<QHeaderView*>()) {
        for (int section = 0; header->model() && section < header->count(); ++section)
            words << header->model()->headerData(section, header->orientation()).toString();
    }
    for (QString& word : words)
        word.remove(QLatin1Char('&'));
    words.removeAll(QString());
    return words;
}

void expectItalian(const QStringList& words, const char* where)
{
    for (const QString& word : words)
        EXPECT_FALSE(kEnglish.contains(word)) << where << " says \"" << word.toStdString() << "\"";
}

TEST(Translations, TheSaveDialogAndTheOverwriteQuestionSpeakItalianAndLeaveQtsSettingsAlone)
{
    std::unique_ptr<QTranslator> italian(installItalianTranslations(*QApplication::instance()));
    ASSERT_NE(italian, nullptr) << "Qt's Italian translations are missing";
    const QString qtSettings =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/QtProject.conf");
    const QDateTime settingsBefore = QFileInfo(qtSettings).lastModified();

    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("pagella.pdf"));
    QFile(existing).open(QIODevice::WriteOnly);
    QWidget page;
    page.resize(400, 300);
    page.show();
    PagePrinter printer;
    QSignalSpy finished(&printer, &PagePrinter::finished);
    printer.setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    printer.print(page, QStringLiteral("pagella.pdf"));
    ASSERT_NE(printer.message(), nullptr);
    QTest::mouseClick(printer.message()->button(QMessageBox::Save), Qt::LeftButton);
    QFileDialog* dialog = printer.saveDialog();
    ASSERT_NE(dialog, nullptr);
    QTest::qWait(50);
    const QStringList dialogWords = wordsOf(dialog);
    EXPECT_TRUE(dialogWords.contains(QStringLiteral("Nome"))) << dialogWords.join(QLatin1Char('|')).toStdString();
    expectItalian(dialogWords, "the save dialog");

    // Choosing a file that is there asks first, in a box of its own that
    // waits for an answer; answering "No" keeps the file and the dialog.
    QStringList question;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        answer.stop();
        question = wordsOf(box) << box->text();
        box->button(QMessageBox::No)->click();
    });
    answer.start(10);
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(fileName, nullptr);
    fileName->setText(existing);
    QTest::keyClick(fileName, Qt::Key_Return);
    ASSERT_FALSE(question.isEmpty()) << "no question about the file that is there";
    EXPECT_TRUE(question.contains(QStringLiteral("Sì"))) << question.join(QLatin1Char('|')).toStdString();
    expectItalian(question, "the overwrite question");
    EXPECT_FALSE(question.last().contains(QLatin1String("already exists"))) << question.last().toStdString();
    EXPECT_EQ(QFile(existing).size(), 0);
    dialog->reject();
    EXPECT_EQ(finished.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the dialog goes
    EXPECT_EQ(QFileInfo(qtSettings).lastModified(), settingsBefore) << "the file dialog wrote its settings";
    EXPECT_TRUE(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).allKeys().isEmpty());
}

}  // namespace
}  // namespace quillo
