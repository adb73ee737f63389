#include "ui/app/sheets_window.h"
#include "ui/app/translations.h"
#include "core/sheets/worksheet.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

// The teacher's window driven through its own widgets: keys into the boxes,
// clicks on the buttons, the page count read off the preview, the file read
// back with pdftotext.
namespace quillo::testing {
namespace {

using Outcome = PagePrinter::Outcome;

struct Window {
    SheetsWindow window;
    QSignalSpy finished{&window.printer(), &PagePrinter::finished};

    Window()
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    template <typename T>
    T* find(const char* name) const
    {
        auto* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Picks an entry of a box with the arrow keys, as from the keyboard.
    void pick(const char* box, int index) const
    {
        auto* combo = find<QComboBox>(box);
        combo->setFocus();
        while (combo->currentIndex() < index)
            QTest::keyClick(combo, Qt::Key_Down);
        while (combo->currentIndex() > index)
            QTest::keyClick(combo, Qt::Key_Up);
    }
    void type(const char* box, int value) const
    {
        auto* spin = find<QSpinBox>(box);
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QString::number(value));
        QTest::keyClick(spin, Qt::Key_Tab);
    }
    int previewPages() const { return find<QPrintPreviewWidget>("preview")->pageCount(); }
    Outcome outcome()
    {
        if (finished.isEmpty() && !finished.wait(30000))
            return Outcome::Failed;
        return finished.takeFirst().at(0).value<Outcome>();
    }
};

TEST(SheetsWindow, EveryControlSaysWhatItIsAndThePreviewHasThePagesOfEveryFamilyAndChoice)
{
    Window on;
    EXPECT_EQ(on.window.windowTitle(), QStringLiteral("Schede per la classe"));
    const std::pair<const char*, const char*> controls[] = {
        {"familyBox", "Scheda"},          {"choiceBox", "Cifre"},        {"countBox", "Numero di esercizi"},
        {"seedBox", "Seme"},              {"newSeedButton", "Nuovo seme"}, {"keyCheck", "Soluzioni"},
        {"preview", "Anteprima della scheda"}, {"pageCountLabel", "Pagine"}, {"printButton", "Stampa..."},
        {"savePdfButton", "Salva PDF..."},
    };
    for (const auto& [name, spoken] : controls)
        EXPECT_EQ(on.find<QWidget>(name)->accessibleName(), QString::fromUtf8(spoken)) << name;

    auto* families = on.find<QComboBox>("familyBox");
    ASSERT_EQ(families->count(), 10);
    EXPECT_EQ(families->itemText(0), QStringLiteral("Divisioni col divisore di due cifre"));
    EXPECT_EQ(families->itemText(2), QStringLiteral("Addizioni in colonna"));
    EXPECT_EQ(on.find<QSpinBox>("countBox")->maximum(), 60);
    auto* seed = on.find<QSpinBox>("seedBox");
    const int before = seed->value();
    QTest::mouseClick(on.find<QPushButton>("newSeedButton"), Qt::LeftButton);
    EXPECT_NE(seed->value(), before) << "a new seed is drawn";

    on.type("countBox", 60);
    auto* choiceBox = on.find<QComboBox>("choiceBox");
    auto* key = on.find<QCheckBox>("keyCheck");
    for (std::size_t index = 0; index < kAllFamilies.size(); ++index) {
        on.pick("familyBox", static_cast<int>(index));
        const ExerciseFamily family = kAllFamilies[index];
        const int choices = std::max(choiceBox->count(), 1);
        // Addition offers two or three addends, multiplication three kinds
        // of multiplier, division two to six digits; the rest no choice.
        const int offered = family == ExerciseFamily::Addition         ? 2
                            : family == ExerciseFamily::Multiplication ? 3
                            : family == ExerciseFamily::Division       ? 5
                                                                       : 1;
        EXPECT_EQ(choices, offered) << index;
        EXPECT_EQ(choiceBox->isVisible(), offered > 1) << index;
        for (int choice = 0; choice < choices; ++choice) {
            if (offered > 1)
                on.pick("choiceBox", choice);
            // The key doubles the pages: once per family is enough to see it.
            if (key->isChecked() != (choice == 0))
                QTest::keyClick(key, Qt::Key_Space);
            const int perPage = sheets::exercisesPerPage(family, choice);
            const int pages = (60 + perPage - 1) / perPage * (key->isChecked() ? 2 : 1);
            EXPECT_EQ(on.previewPages(), pages) << index << " choice " << choice;
            EXPECT_TRUE(on.find<QLabel>("pageCountLabel")->text().startsWith(QStringLiteral("%1 pagin").arg(pages)));
        }
    }
}

TEST(SheetsWindow, SalvaPdfWritesTheSheetOnThePreviewAndStampaAsksQtsPrintDialogInItalian)
{
    std::unique_ptr<QTranslator> italian(installItalianTranslations(*QApplication::instance()));
    ASSERT_NE(italian, nullptr) << "Qt's Italian translations are missing";
    Window on;
    QTemporaryDir folder;
    on.pick("familyBox", 0);
    on.pick("choiceBox", 2);
    on.type("countBox", 12);
    on.type("seedBox", 4711);
    QTest::keyClick(on.find<QCheckBox>("keyCheck"), Qt::Key_Space);

    QTest::mouseClick(on.find<QPushButton>("savePdfButton"), Qt::LeftButton);
    EXPECT_FALSE(on.find<QPushButton>("printButton")->isEnabled()) << "one job at a time";
    QFileDialog* dialog = on.window.printer().saveDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_FALSE(dialog->selectedFiles().isEmpty());
    EXPECT_TRUE(dialog->selectedFiles().first().endsWith(QStringLiteral("/divisione-4711.pdf")));
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(fileName, nullptr);
    fileName->setText(folder.filePath(QStringLiteral("divisioni")));
    QTest::keyClick(fileName, Qt::Key_Return);
    ASSERT_EQ(on.outcome(), Outcome::SavedAsPdf);
    EXPECT_TRUE(on.find<QPushButton>("printButton")->isEnabled());

    const QString saved = folder.filePath(QStringLiteral("divisioni.pdf"));
    EXPECT_EQ(pdfInfo(saved).pages, 2) << "twelve divisions of four digits fill one page, then the key's";
    const QString text = pdfText(saved);
    EXPECT_TRUE(text.contains(QStringLiteral("Divisioni col divisore di due cifre · cifre 4 · esercizi 12 · seme 4711")))
        << text.toStdString();

    const QString pdf = folder.filePath(QStringLiteral("stampa.pdf"));
    on.window.printer().setPrinterFactory([pdf] { return PagePrinter::pdfFile(pdf); });
    on.pick("familyBox", 2);
    on.type("countBox", 3);
    on.type("seedBox", 99);

    // Given up in the dialog: nothing printed.
    QTest::mouseClick(on.find<QPushButton>("printButton"), Qt::LeftButton);
    ASSERT_NE(on.window.printer().printDialog(), nullptr);
    on.window.printer().printDialog()->reject();
    EXPECT_EQ(on.outcome(), Outcome::Cancelled);
    EXPECT_FALSE(QFile::exists(pdf));

    QTest::mouseClick(on.find<QPushButton>("printButton"), Qt::LeftButton);
    QPrintDialog* printDialog = on.window.printer().printDialog();
    ASSERT_NE(printDialog, nullptr);
    QStringList captions{printDialog->windowTitle()};
    for (auto* button : printDialog->findChildren<QAbstractButton*>())
        captions << QString(button->text()).remove(QLatin1Char('&'));
    EXPECT_TRUE(captions.contains(QStringLiteral("Stampa"))) << captions.join(QLatin1Char('|')).toStdString();
    for (const char* english : {"Print", "Cancel", "Properties", "Options"})
        EXPECT_FALSE(captions.contains(QString::fromLatin1(english))) << english;
    // What the teacher sets in the dialog stands: here, the paper turned.
    printDialog->printer()->setPageOrientation(QPageLayout::Landscape);
    printDialog->accept();
    ASSERT_EQ(on.outcome(), Outcome::Printed);
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Addizioni in colonna · addendi 2 · esercizi 3 · seme 99")));
    EXPECT_TRUE(pdfInfo(pdf).pageSize.startsWith(QStringLiteral("842 x 595"))) << pdfInfo(pdf).pageSize.toStdString();
}

}  // namespace
}  // namespace quillo::testing
