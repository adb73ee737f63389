#include "app/global_evaluation_screen.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace quillo::testing {
namespace {

using F = ExerciseFamily;
using Outcome = PagePrinter::Outcome;

const QString kReport = QStringLiteral("Command2");
const QString kPrint = QStringLiteral("PrintButton");

void practise(ScoreBoard& board, F family, int grade, int presented = 1)
{
    for (int i = 0; i < presented; ++i)
        board.notePresented(family);
    board.setGrade(family, grade);
}

GlobalEvaluationScreen& report(Harness& app)
{
    auto* screen = dynamic_cast<GlobalEvaluationScreen*>(app.registry.instance(ScreenId::GlobalEvaluation));
    EXPECT_NE(screen, nullptr);
    return *screen;
}

QString text(const Harness& app, const char* name)
{
    const QString control = QString::fromLatin1(name);
    if (auto* box = app.page().findChild<TextBox*>(control))
        return box->text();
    if (auto* button = app.page().findChild<Button*>(control))
        return button->text();
    auto* label = app.find<Label>(control);
    return label ? label->text() : QString();
}

Outcome waitForOutcome(QSignalSpy& spy)
{
    if (spy.isEmpty()) {
        EXPECT_TRUE(spy.wait(30000)) << "the page never finished its way";
    }
    return spy.isEmpty() ? Outcome::Failed : spy.takeFirst().at(0).value<Outcome>();
}

bool isPdf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() > 1000 && file.read(5) == "%PDF-";
}

TEST(GlobalEvaluationScreen, FreshRunShowsNothingPractised)
{
    Harness app;
    app.enterName(QStringLiteral("Luca Bruni V C"));
    app.click(kReport);
    EXPECT_EQ(app.registry.current(), ScreenId::GlobalEvaluation);
    EXPECT_EQ(app.window.windowTitle(), QStringLiteral("tv-pb - Esercitazione di Aritmetica cl. V - Valutazione globale"));
    EXPECT_EQ(app.page().widthTwips(), 9525);
    EXPECT_EQ(app.page().heightTwips(), 6900);
    EXPECT_EQ(text(app, "Label13"), QStringLiteral("Luca Bruni V C"));
    for (const char* word : {"Label3", "Label7", "Label9", "Label11", "Label17", "Label19"})
        EXPECT_EQ(text(app, word), QStringLiteral("Nessun esercizio")) << word;
    EXPECT_EQ(text(app, "Text1"), QStringLiteral("Nessun esercizio!"));
    EXPECT_FALSE(app.find<Label>(QStringLiteral("Credit"))->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), app.find(QStringLiteral("MainMenuButton")))
        << "a stray key must not hit exit";

    app.click(QStringLiteral("MainMenuButton"));
    EXPECT_EQ(app.registry.current(), ScreenId::MainMenu);
    EXPECT_TRUE(app.find<Label>(QStringLiteral("Label11"))->isVisible()) << "the menu opens in its return state";
    app.click(kReport);
    app.click(QStringLiteral("ExitButton"));
    EXPECT_TRUE(app.registry.hasEnded());
}

TEST(GlobalEvaluationScreen, ReportCardAfterSomeGradedExercises)
{
    Harness app;
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    practise(app.board, F::Division, 8);
    practise(app.board, F::Multiplication, 7, 2);
    practise(app.board, F::Addition, 9);
    practise(app.board, F::Subtraction, 0);  // one on screen, not yet evaluated
    practise(app.board, F::FractionConcept, 10);
    practise(app.board, F::FractionKinds, 0, 2);
    app.click(kReport);

    struct Control {
        const char* name;
        const char* text;
        int x;  // -1 where the place across is free
        int y;
    };
    const Control controls[] = {
        {"PupilCaption", "Alunno/a", 240, 0},
        {"Label13", "Giulia Rossi V A", -1, 0},
        {"Title", "Valutazione dell'esercitazione", -1, 480},
        {"DivisionCaption", "Divisioni:", -1, 1080},
        {"Label3", "Distinto", 3840, 1080},
        {"MultiplicationCaption", "Moltiplicazioni:", -1, 1680},
        {"Label7", "Buono", 3840, 1680},
        {"AdditionCaption", "Addizioni:", -1, 2280},
        {"Label9", "Ottimo", 3840, 2280},
        {"SubtractionCaption", "Sottrazioni:", -1, 2880},
        {"Label11", "Nessuna valutazione", 3840, 2880},
        {"FractionsCaption", "Frazioni:", -1, 3480},
        {"Label17", "Così non va bene!!!", 3840, 3480},
        {"DecimalsCaption", "Numeri decimali:", -1, 4080},
        {"Label19", "Nessun esercizio", 3840, 4080},
        {"OverallCaption", "Valutazione complessiva", -1, 4680},
        {"Text1", "Incompleta!", 2640, 5160},
        {"Footer", "vt-pb - Aritmetica V", -1, 5520},
        {"PrintButton", "Stampa", 7080, 5520},
        {"MainMenuButton", "Menu", 8640, 5280},
        {"ExitButton", "exit", 240, 5280},
    };
    for (const Control& control : controls) {
        EXPECT_EQ(text(app, control.name), QString::fromUtf8(control.text)) << control.name;
        const TwipRect place = app.page().placement(app.find(QString::fromLatin1(control.name)));
        EXPECT_EQ(place.y, control.y) << control.name;
        EXPECT_TRUE(control.x < 0 || place.x == control.x) << control.name << " at " << place.x;
        auto* word = app.page().findChild<Label*>(QString::fromLatin1(control.name));
        EXPECT_TRUE(!word || place.x != 3840 || word->textColour() == colour::Blue) << control.name;
    }

    auto* overall = app.find<VerdictBox>(QStringLiteral("Text1"));
    EXPECT_TRUE(overall->isReadOnly());
    EXPECT_EQ(overall->background(), colour::LightYellow);
    EXPECT_EQ(overall->textColour(), colour::Blue);
    EXPECT_EQ(app.page().placement(overall), (TwipRect{2640, 5160, 4212, 780}));
    auto* print = app.find<Button>(kPrint);
    EXPECT_EQ(print->toolTip(), QStringLiteral("Stampa la schermata. L'operazione potrebbe richiedere qualche minuto"));
    EXPECT_EQ(print->background(), colour::Green);
    EXPECT_EQ(app.find<Button>(QStringLiteral("MainMenuButton"))->toolTip(), QStringLiteral("Apre il menu principale"));
    EXPECT_TRUE(app.find<Button>(QStringLiteral("ExitButton"))->toolTip().isEmpty());

    // More practice while away shows at the next opening; the report itself
    // never touches the scoreboard.
    app.click(QStringLiteral("MainMenuButton"));
    app.board.setGrade(F::Subtraction, 6);
    practise(app.board, F::PlaceValue, 10);
    app.click(kReport);
    EXPECT_EQ(text(app, "Label11"), QStringLiteral("Sufficiente"));
    EXPECT_EQ(text(app, "Label19"), QStringLiteral("Bravo!!!"));
    // (8 + 7 + 9 + 6 + 5 + 10) / 6 = 7.5.
    EXPECT_EQ(text(app, "Text1"), QStringLiteral("Buono"));
    EXPECT_EQ(app.board.grade(F::FractionKinds), 0);
    EXPECT_EQ(app.board.presentedCount(F::FractionKinds), 2);
}

TEST(GlobalEvaluationScreen, StampaShowsTheCreditThenPrintsThePage)
{
    Harness app;
    app.enterName(QStringLiteral("Giulia"));
    practise(app.board, F::Addition, 10);
    app.click(kReport);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    int printers = 0;
    bool creditShown = false;
    auto& printer = report(app).printer();
    printer.setPrinterFactory([&] {
        ++printers;
        creditShown = app.find<Label>(QStringLiteral("Credit"))->isVisible();
        return PagePrinter::pdfFile(path);
    });
    QSignalSpy finished(&printer, &PagePrinter::finished);

    app.click(kPrint);
    EXPECT_TRUE(creditShown) << "the credit goes on the paper";
    EXPECT_TRUE(app.find<Label>(QStringLiteral("Credit"))->text().contains(QStringLiteral("Quillo")));
    EXPECT_EQ(app.find<Button>(kPrint)->isEnabled(), !printer.isBusy());
    EXPECT_EQ(waitForOutcome(finished), Outcome::Printed);
    EXPECT_TRUE(isPdf(path));
    EXPECT_EQ(printers, 1);
    EXPECT_EQ(printer.message(), nullptr) << "a page that printed needs no word";
    EXPECT_TRUE(app.find<Button>(kPrint)->isEnabled());
    EXPECT_TRUE(app.find<Label>(QStringLiteral("Credit"))->isVisible()) << "it stays until the report closes";

    app.click(QStringLiteral("MainMenuButton"));
    app.click(kReport);
    EXPECT_FALSE(app.find<Label>(QStringLiteral("Credit"))->isVisible());
}

TEST(GlobalEvaluationScreen, WithoutAPrinterTheSamePageCanBeSavedAsPdf)
{
    Harness app;
    app.enterName(QStringLiteral("../Giulia Rossi V/A"));
    app.click(kReport);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto& printer = report(app).printer();
    printer.setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    QSignalSpy finished(&printer, &PagePrinter::finished);

    // Given up at the message: nothing is asked, nothing written.
    app.click(kPrint);
    QMessageBox* message = printer.message();
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().contains(QStringLiteral("nessuna stampante")));
    EXPECT_TRUE(app.find<Label>(QStringLiteral("Credit"))->isVisible());
    EXPECT_FALSE(app.find<Button>(kPrint)->isEnabled());
    // Leaving and coming back while the question is open keeps one job.
    app.registry.showScreen(ScreenId::MainMenu);
    app.registry.showScreen(ScreenId::GlobalEvaluation);
    Harness::settle();
    EXPECT_FALSE(app.find<Button>(kPrint)->isEnabled());
    EXPECT_EQ(printer.message(), message);
    QTest::mouseClick(message->button(QMessageBox::Cancel), Qt::LeftButton);
    Harness::settle();
    EXPECT_EQ(waitForOutcome(finished), Outcome::Cancelled);
    EXPECT_EQ(printer.saveDialog(), nullptr);
    EXPECT_EQ(printer.message(), nullptr);
    EXPECT_TRUE(app.find<Button>(kPrint)->isEnabled());

    // Saved where chosen, under the suggested name's default suffix.
    app.click(kPrint);
    ASSERT_NE(printer.message(), nullptr);
    QTest::mouseClick(printer.message()->button(QMessageBox::Save), Qt::LeftButton);
    Harness::settle();
    QFileDialog* dialog = printer.saveDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    ASSERT_FALSE(dialog->selectedFiles().isEmpty());
    EXPECT_TRUE(dialog->selectedFiles().first().endsWith(QStringLiteral("/Valutazione - Giulia Rossi V-A.pdf")))
        << dialog->selectedFiles().first().toStdString();
    EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "nothing is written before a file is chosen";
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(fileName, nullptr);
    fileName->setText(folder.filePath(QStringLiteral("pagella")));
    QTest::keyClick(fileName, Qt::Key_Return);
    EXPECT_EQ(waitForOutcome(finished), Outcome::SavedAsPdf);
    EXPECT_TRUE(isPdf(folder.filePath(QStringLiteral("pagella.pdf"))));

    // Given up in the save dialog.
    app.click(kPrint);
    ASSERT_NE(printer.message(), nullptr);
    QTest::mouseClick(printer.message()->button(QMessageBox::Save), Qt::LeftButton);
    Harness::settle();
    ASSERT_NE(printer.saveDialog(), nullptr);
    printer.saveDialog()->reject();
    EXPECT_EQ(waitForOutcome(finished), Outcome::Cancelled);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("pagella.pdf")});

    // The report stays usable.
    EXPECT_TRUE(app.find<Button>(kPrint)->isEnabled());
    app.click(QStringLiteral("MainMenuButton"));
    EXPECT_EQ(app.registry.current(), ScreenId::MainMenu);
}

TEST(GlobalEvaluationScreen, APrinterThatFailsIsReportedAndOffersPdf)
{
    Harness app;
    app.enterName();
    app.click(kReport);
    QTemporaryDir folder;
    auto& printer = report(app).printer();
    const QString unreachable = folder.filePath(QStringLiteral("missing/report.pdf"));
    printer.setPrinterFactory([&] { return PagePrinter::pdfFile(unreachable); });
    QSignalSpy finished(&printer, &PagePrinter::finished);
    app.click(kPrint);
    QTRY_VERIFY_WITH_TIMEOUT(printer.message() != nullptr, 30000);
    EXPECT_TRUE(printer.message()->text().contains(QStringLiteral("non è riuscita")));
    EXPECT_NE(printer.message()->button(QMessageBox::Save), nullptr);
    QTest::keyClick(printer.message(), Qt::Key_Escape);
    EXPECT_EQ(waitForOutcome(finished), Outcome::Cancelled);
    EXPECT_FALSE(QFile::exists(unreachable));
    EXPECT_TRUE(app.find<Button>(kPrint)->isEnabled());
}

}  // namespace
}  // namespace quillo::testing
