#include "ui/screens/report/global_evaluation_screen.h"
#include "ui/toolkit/printing.h"
#include "support/harness.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QDate>
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

// The run of the report card's own example: four operations graded, two
// fraction families and one decimal family practised.
void practiseTheExampleRun(ScoreBoard& board)
{
    const std::pair<F, int> grades[] = {
        {F::Division, 8},         {F::Multiplication, 7},     {F::Addition, 9}, {F::Subtraction, 6},
        {F::FractionConcept, 10}, {F::FractionComparison, 6}, {F::PlaceValue, 5},
    };
    for (const auto& [family, grade] : grades) {
        board.notePresented(family);
        board.setGrade(family, grade);
    }
}

// What a teacher must find on the paper: each line's caption beside its
// word, worked out from the grades above (the decimals average 5 is below
// six; the overall average is 43 / 6).
const char* const kLines[] = {
    "Alunno/a +Giulia Rossi V A",  "Valutazione dell'esercitazione", "Divisioni: +Distinto",
    "Moltiplicazioni: +Buono",     "Addizioni: +Ottimo",             "Sottrazioni: +Sufficiente",
    "Frazioni: +Distinto",         "Numeri decimali: +Così non va bene!!!", "Valutazione complessiva",
    "Buono",
};

struct Report {
    Harness app;
    GlobalEvaluationScreen* screen = nullptr;
    std::unique_ptr<QSignalSpy> finished;

    explicit Report(QSize window) : app(window)
    {
        app.enterName(QStringLiteral("Giulia Rossi V A"));
        practiseTheExampleRun(app.board);
        app.click(QStringLiteral("reportButton"));
        screen = dynamic_cast<GlobalEvaluationScreen*>(app.registry.instance(ScreenId::GlobalEvaluation));
        finished = std::make_unique<QSignalSpy>(&screen->printer(), &PagePrinter::finished);
    }
    Outcome waitForOutcome() const
    {
        if (finished->isEmpty() && !finished->wait(30000))
            return Outcome::Failed;
        return finished->takeFirst().at(0).value<Outcome>();
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
void expectTheCardOnPaper(const QString& pdf, const QPageLayout& layout, Page& page)
{
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
    {
        QPainter painter(&outside);
        painter.fillRect(card, Qt::white);
    }
    EXPECT_LT(difference(outside, blank).clearlyDifferent, 0.001) << "ink outside the card's place";
}

TEST(ReportPrinting, StampaPrintsTheWholeCardAtAnyResolutionAndWindowSize)
{
    for (const QSize window : {MainWindow::initialSize(), QSize(1920, 1080)}) {
        for (const int dpi : {300, 600, 1200}) {
            SCOPED_TRACE(QStringLiteral("%1x%2 at %3 dpi").arg(window.width()).arg(window.height()).arg(dpi).toStdString());
            Report report(window);
            QTemporaryDir folder;
            const QString pdf = folder.filePath(QStringLiteral("card.pdf"));
            QPageLayout layout;
            report.screen->printer().setPrinterFactory([&] {
                auto printer = PagePrinter::pdfFile(pdf);
                printer->setResolution(dpi);
                return printer;
            });
            report.app.click(QStringLiteral("printButton"));
            EXPECT_TRUE(report.app.find<Button>(QStringLiteral("printButton"))->isVisible());
            ASSERT_EQ(report.waitForOutcome(), Outcome::Printed);
            // The sheet's margins as the printer has them, turned the way the card prints.
            layout = PagePrinter::pdfFile(pdf)->pageLayout();
            layout.setOrientation(QPageLayout::Landscape);
            expectTheCardOnPaper(pdf, layout, report.app.page());
        }
    }
}

TEST(ReportPrinting, SavedAsPdfWithoutAPrinterTheCardIsTheSame)
{
    Report report(QSize(1920, 1080));
    QTemporaryDir folder;
    report.screen->printer().setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    report.app.click(QStringLiteral("printButton"));
    QMessageBox* message = report.screen->printer().message();
    ASSERT_NE(message, nullptr);
    QTest::mouseClick(message->button(QMessageBox::Save), Qt::LeftButton);
    QFileDialog* dialog = report.screen->printer().saveDialog();
    ASSERT_NE(dialog, nullptr);
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(fileName, nullptr);
    const QString pdf = folder.filePath(QStringLiteral("pagella.pdf"));
    fileName->setText(pdf);
    QTest::keyClick(fileName, Qt::Key_Return);
    ASSERT_EQ(report.waitForOutcome(), Outcome::SavedAsPdf);
    QPageLayout layout = PagePrinter::pdfFile(pdf)->pageLayout();
    layout.setOrientation(QPageLayout::Landscape);
    expectTheCardOnPaper(pdf, layout, report.app.page());
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
