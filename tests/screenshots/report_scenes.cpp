#include "ui/screens/report/global_evaluation_screen.h"
#include "support/scenes.h"

#include <QSignalSpy>
#include <QTemporaryDir>

namespace quillo::testing {
namespace {

using F = ExerciseFamily;

void practise(ScoreBoard& board, F family, int grade)
{
    board.notePresented(family);
    board.setGrade(family, grade);
}

void reopenReport(Harness& app)
{
    app.click(QStringLiteral("mainMenuButton"));
    app.click(QStringLiteral("reportButton"));
}

void walkReport(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"reportButton"});
    shoot(QStringLiteral("fresh"));

    practise(app.board, F::Division, 8);
    practise(app.board, F::Addition, 9);
    app.board.notePresented(F::Subtraction);
    practise(app.board, F::FractionKinds, 4);
    reopenReport(app);
    shoot(QStringLiteral("partial"));

    practise(app.board, F::Multiplication, 7);
    app.board.setGrade(F::Subtraction, 6);
    practise(app.board, F::FractionConcept, 10);
    practise(app.board, F::FractionComparison, 10);
    practise(app.board, F::PlaceValue, 10);
    practise(app.board, F::DecimalComparison, 6);
    reopenReport(app);
    shoot(QStringLiteral("complete"));

    // Printed to a file, so no message stands in the way of the picture.
    QTemporaryDir folder;
    auto* report = dynamic_cast<GlobalEvaluationScreen*>(app.registry.instance(ScreenId::GlobalEvaluation));
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    report->printer().setPrinterFactory([path] { return PagePrinter::pdfFile(path); });
    QSignalSpy finished(&report->printer(), &PagePrinter::finished);
    app.click(QStringLiteral("printButton"));
    if (finished.isEmpty())
        finished.wait(30000);
    shoot(QStringLiteral("printed"));
}

const SceneRegistrar reportScenes{
    {QStringLiteral("report-small"), {800, 580}, walkReport},
    {QStringLiteral("report-large"), {1400, 1014}, walkReport},
};

}  // namespace
}  // namespace quillo::testing
