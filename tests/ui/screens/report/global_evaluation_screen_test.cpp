#include "ui/screens/report/global_evaluation_screen.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/printing.h"
#include "support/harness.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace quillo::testing {
namespace {

using F = ExerciseFamily;
using Outcome = PagePrinter::Outcome;

const QString kReport = QStringLiteral("reportButton");
const QString kPrint = QStringLiteral("printButton");
const QString kMainMenu = QStringLiteral("mainMenuButton");
// A name with what a file name cannot hold.
const QString kPupil = QStringLiteral("../Giulia Rossi V/A");

// The run of the report card's own example: four operations graded, two
// fraction families and one decimal family practised.
void practiseTheExampleRun(ScoreBoard& board)
{
    for (const auto& [family, grade] : {std::pair{F::Division, 8}, {F::Multiplication, 7}, {F::Addition, 9},
                                        {F::Subtraction, 6}, {F::FractionConcept, 10}, {F::FractionComparison, 6},
                                        {F::PlaceValue, 5}}) {
        board.notePresented(family);
        board.setGrade(family, grade);
    }
}

// What a teacher must find on the paper: each line's caption beside its
// word, worked out from the grades above (the decimals average 5 is below
// six; the overall average is 43 / 6).
const char* const kLines[] = {
    "Alunno/a +\\.\\./Giulia Rossi V/A", "Valutazione dell'esercitazione", "Divisioni: +Distinto",
    "Moltiplicazioni: +Buono",     "Addizioni: +Ottimo",             "Sottrazioni: +Sufficiente",
    "Frazioni: +Distinto",         "Numeri decimali: +Così non va bene!!!", "Valutazione complessiva",
    "Buono",
};

// The report opened from the main menu, its printer's outcomes watched.
struct ReportApp {
    Harness app;
    PagePrinter* printer = nullptr;
    std::unique_ptr<QSignalSpy> finished;

    explicit ReportApp(const QString& pupil, bool exampleRun = false, QSize window = {951, 687}) : app(window)
    {
        app.enterName(pupil);
        if (exampleRun)
            practiseTheExampleRun(app.board);
        app.click(kReport);
        printer = &dynamic_cast<GlobalEvaluationScreen*>(app.registry.instance(ScreenId::GlobalEvaluation))->printer();
        finished = std::make_unique<QSignalSpy>(printer, &PagePrinter::finished);
    }
    // Labels, boxes and buttons alike.
    QString text(const char* name) const { return app.find(QString::fromLatin1(name))->property("text").toString(); }
    bool creditShown() const { return app.find<Label>(QStringLiteral("credit"))->isVisible(); }
    bool printEnabled() const { return app.find<Button>(kPrint)->isEnabled(); }
    Outcome outcome() const
    {
        if (finished->isEmpty()) {
            EXPECT_TRUE(finished->wait(30000)) << "the page never finished its way";
        }
        return finished->isEmpty() ? Outcome::Failed : finished->takeFirst().at(0).value<Outcome>();
    }
};

// Where the card must stand on the rendered sheet: the window's page
// scaled to fill the printable area without distortion, centred in it.
QRect cardOnSheet(const QPageLayout& layout, QSize page, int dpi)
{
    const QRect area = layout.paintRectPixels(dpi);
    const double scale = std::min(static_cast<double>(area.width()) / page.width(),
                                  static_cast<double>(area.height()) / page.height());
    const QSize size(qRound(page.width() * scale), qRound(page.height() * scale));
    return QRect(area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2),
                 size);
}

// The printed card as the teacher gets it: one landscape A4 page whose text
// holds every line, and whose picture is the card on the screen.
void expectTheCardOnPaper(const QString& pdf, Page& page)
{
    // The sheet's margins as the printer has them, turned the way the card prints.
    QPageLayout layout = PagePrinter::pdfFile(pdf)->pageLayout();
    layout.setOrientation(QPageLayout::Landscape);
    const PdfInfo info = pdfInfo(pdf);
    EXPECT_EQ(info.pages, 1);
    EXPECT_TRUE(info.pageSize.startsWith(QStringLiteral("842 x 595"))) << info.pageSize.toStdString();

    const QString text = pdfText(pdf);
    for (const char* line : kLines)
        EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8(line)))) << line << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("stampata il %1").arg(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")))))
        << "the footer with the date";

    constexpr int kDpi = 100;
    const QImage sheet = pdfPage(pdf, kDpi);
    ASSERT_FALSE(sheet.isNull());
    const QRect card = cardOnSheet(layout, page.size(), kDpi);
    const QImage onScreen = page.grab().toImage().scaled(card.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const PictureDifference apart = difference(sheet.copy(card), onScreen);
    EXPECT_LT(apart.meanChannel, 12.0) << "the printed card does not look like the one on screen";
    EXPECT_LT(apart.clearlyDifferent, 0.04);
    // Nothing of the card spills beyond its place: the rest of the sheet is blank.
    QImage blank(sheet.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    QImage outside = sheet;
    QPainter(&outside).fillRect(card, Qt::white);
    EXPECT_LT(difference(outside, blank).clearlyDifferent, 0.001) << "ink outside the card's place";
}

TEST(GlobalEvaluationScreen, TheCardReadsTheScoreboardAtEveryOpeningAndNeverWritesIt)
{
    ReportApp on(QStringLiteral("Giulia Rossi V A"));
    auto& app = on.app;
    EXPECT_EQ(app.window.windowTitle(), QStringLiteral("tv-pb - Esercitazione di Aritmetica cl. V - Valutazione globale"));
    EXPECT_EQ(on.text("overallVerdict"), QStringLiteral("Nessun esercizio!"));
    EXPECT_EQ(QApplication::focusWidget(), app.find(kMainMenu)) << "a stray key must not hit exit";

    practiseTheExampleRun(app.board);
    app.click(kMainMenu);
    app.click(kReport);
    const std::tuple<const char*, const char*, int> shown[] = {
        {"pupilName", "Giulia Rossi V A", 0},  {"title", "Valutazione dell'esercitazione", 480},
        {"divisionCaption", "Divisioni:", 1080}, {"divisionWord", "Distinto", 1080},
        {"multiplicationCaption", "Moltiplicazioni:", 1680}, {"multiplicationWord", "Buono", 1680},
        {"additionCaption", "Addizioni:", 2280}, {"additionWord", "Ottimo", 2280},
        {"subtractionCaption", "Sottrazioni:", 2880}, {"subtractionWord", "Sufficiente", 2880},
        {"fractionsCaption", "Frazioni:", 3480}, {"fractionsWord", "Distinto", 3480},
        {"decimalsCaption", "Numeri decimali:", 4080}, {"decimalsWord", "Così non va bene!!!", 4080},
        {"overallCaption", "Valutazione complessiva", 4680}, {"overallVerdict", "Buono", 5160},
        {"printButton", "Stampa", 5520},
    };
    for (const auto& [name, text, y] : shown) {
        EXPECT_EQ(on.text(name), QString::fromUtf8(text)) << name;
        EXPECT_EQ(app.page().placement(app.find(QString::fromLatin1(name))).y, y) << name;
    }
    EXPECT_EQ(app.board.presentedCount(F::Division), 1);
    EXPECT_EQ(app.find<Label>(QStringLiteral("subtractionWord"))->textColour(), colour::Blue);
    auto* overall = app.find<VerdictBox>(QStringLiteral("overallVerdict"));
    EXPECT_TRUE(overall->isReadOnly());
    EXPECT_EQ(overall->background(), colour::LightYellow);
    EXPECT_EQ(app.find<Button>(kPrint)->toolTip(),
              QStringLiteral("Stampa la schermata. L'operazione potrebbe richiedere qualche minuto"));
    app.click(QStringLiteral("exitButton"));
    EXPECT_TRUE(app.registry.hasEnded());
}

TEST(GlobalEvaluationScreen, StampaPrintsTheWholeCardWithTheCreditAtAnyResolutionAndWindowSize)
{
    for (const QSize window : {MainWindow::initialSize(), QSize(1920, 1080)}) {
        for (const int dpi : {300, 600, 1200}) {
            SCOPED_TRACE(QStringLiteral("%1x%2 at %3 dpi").arg(window.width()).arg(window.height()).arg(dpi).toStdString());
            ReportApp on(kPupil, true, window);
            QTemporaryDir folder;
            const QString pdf = folder.filePath(QStringLiteral("card.pdf"));
            bool creditShown = false;
            on.printer->setPrinterFactory([&] {
                creditShown = on.creditShown();
                auto printer = PagePrinter::pdfFile(pdf);
                printer->setResolution(dpi);
                return printer;
            });
            on.app.click(kPrint);
            EXPECT_TRUE(creditShown) << "the credit goes on the paper";
            EXPECT_TRUE(on.app.find<Button>(kPrint)->isVisible());
            ASSERT_EQ(on.outcome(), Outcome::Printed);
            EXPECT_EQ(on.printer->message(), nullptr) << "a page that printed needs no word";
            EXPECT_TRUE(on.printEnabled());
            expectTheCardOnPaper(pdf, on.app.page());
            on.app.click(kMainMenu);
            on.app.click(kReport);
            EXPECT_FALSE(on.creditShown()) << "the credit stays until the report closes";
        }
    }
}

TEST(GlobalEvaluationScreen, WithoutAWorkingPrinterTheSameCardCanBeSavedAsPdf)
{
    ReportApp on(kPupil, true, {1920, 1080});
    auto& app = on.app;
    QTemporaryDir folder;
    const QString unreachable = folder.filePath(QStringLiteral("missing/report.pdf"));
    const std::pair<PagePrinter::PrinterFactory, QString> printers[] = {
        {[] { return std::unique_ptr<QPrinter>(); }, QStringLiteral("nessuna stampante")},
        {[&] { return PagePrinter::pdfFile(unreachable); }, QStringLiteral("non è riuscita")},
    };
    // Given up at the message: nothing is asked, nothing written.
    for (const auto& [factory, problem] : printers) {
        on.printer->setPrinterFactory(factory);
        app.click(kPrint);
        QTRY_VERIFY_WITH_TIMEOUT(on.printer->message() != nullptr, 30000);
        EXPECT_TRUE(on.printer->message()->text().contains(problem)) << problem.toStdString();
        EXPECT_FALSE(on.printEnabled());
        QTest::keyClick(on.printer->message(), Qt::Key_Escape);
        EXPECT_EQ(on.outcome(), Outcome::Cancelled);
        EXPECT_EQ(on.printer->saveDialog(), nullptr);
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
        EXPECT_TRUE(on.printEnabled());
    }

    // Leaving and coming back while the question is open keeps one job;
    // the page is saved where chosen, under the default suffix.
    on.printer->setPrinterFactory(printers[0].first);
    app.click(kPrint);
    QMessageBox* message = on.printer->message();
    ASSERT_NE(message, nullptr);
    app.registry.showScreen(ScreenId::MainMenu);
    app.registry.showScreen(ScreenId::GlobalEvaluation);
    Harness::settle();
    EXPECT_FALSE(on.printEnabled());
    EXPECT_EQ(on.printer->message(), message);
    QTest::mouseClick(message->button(QMessageBox::Save), Qt::LeftButton);
    Harness::settle();
    QFileDialog* dialog = on.printer->saveDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_FALSE(dialog->selectedFiles().isEmpty());
    EXPECT_TRUE(dialog->selectedFiles().first().endsWith(QStringLiteral("/Valutazione - Giulia Rossi V-A.pdf")))
        << dialog->selectedFiles().first().toStdString();
    EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "nothing is written before a file is chosen";
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(fileName, nullptr);
    fileName->setText(folder.filePath(QStringLiteral("pagella")));
    QTest::keyClick(fileName, Qt::Key_Return);
    EXPECT_EQ(on.outcome(), Outcome::SavedAsPdf);
    expectTheCardOnPaper(folder.filePath(QStringLiteral("pagella.pdf")), app.page());

    // Given up in the save dialog; the report stays usable.
    app.click(kPrint);
    QTest::mouseClick(on.printer->message()->button(QMessageBox::Save), Qt::LeftButton);
    Harness::settle();
    ASSERT_NE(on.printer->saveDialog(), nullptr);
    on.printer->saveDialog()->reject();
    EXPECT_EQ(on.outcome(), Outcome::Cancelled);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("pagella.pdf")});
    app.click(kMainMenu);
    EXPECT_EQ(app.registry.current(), ScreenId::MainMenu);
}

TEST(GlobalEvaluation, TheSuggestedFileNameKeepsOnlyWhatIsSafeAndWholeCharacters)
{
    for (const auto& [pupil, file] : {std::pair{u"Giulia\u202Efdp.exe", u"Valutazione - Giuliafdp.exe.pdf"},
                                      {u"Anna\tBianchi\n5/B", u"Valutazione - Anna Bianchi 5-B.pdf"},
                                      {u"..\u0000", u"Valutazione dell'esercitazione.pdf"}})
        EXPECT_EQ(GlobalEvaluationScreen::pdfName(QString::fromUtf16(pupil)), QString::fromUtf16(file));
    // Sixty characters at most, and never half of one beyond the basic plane.
    const QString smiles = QString(59, QLatin1Char('a')) + QString::fromUtf16(u"\U0001F600\U0001F600");
    const QString name = GlobalEvaluationScreen::pdfName(smiles);
    EXPECT_TRUE(name.endsWith(QString::fromUtf16(u"a\U0001F600.pdf"))) << name.toStdString();
}

TEST(ReportPrinting, NothingToPrintIsNoSuccess)
{
    QTemporaryDir folder;
    const auto printer = PagePrinter::pdfFile(folder.filePath(QStringLiteral("empty.pdf")));
    EXPECT_FALSE(printPicture(QPicture(), QSize(951, 687), *printer));
    QPicture blank;
    EXPECT_FALSE(printPicture(blank, QSize(), *printer));
}

}  // namespace
}  // namespace quillo::testing
