#include "ui/app/app_identity.h"
#include "ui/app/command_line.h"
#include "ui/app/screen_registry.h"
#include "ui/app/sheet_file.h"
#include "ui/app/sheets_window.h"
#include "ui/app/translations.h"
#include "core/scoring/score_board.h"
#include "core/kit/random_source.h"
#include "ui/toolkit/accessible.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const quillo::CommandLine commandLine = quillo::readCommandLine(argc, argv, QStringLiteral(QUILLO_VERSION));
    if (commandLine.sheet)
        return quillo::writeSheetWithoutDisplay(*commandLine.sheet, argv[0]);
    if (!commandLine.startWindow)
        return quillo::report(commandLine);

    QApplication app(argc, argv);
    quillo::installIdentity(QStringLiteral(QUILLO_VERSION), QStringLiteral(QUILLO_APP_ID));
    quillo::installItalianTranslations(app);
    quillo::installLook();
    quillo::installAccessibility();

    if (commandLine.sheetsWindow) {
        quillo::SheetsWindow sheets;
        sheets.show();
        return QApplication::exec();
    }

    quillo::ScoreBoard board;
    quillo::ClockRandom random;
    // Seeded once here, so even a screen that never reseeds starts somewhere new.
    random.seedFromClock();

    quillo::MainWindow window;
    quillo::ScreenRegistry registry(window, board, random);
    registry.showScreen(quillo::ScreenId::MainMenu);
    window.show();
    return QApplication::exec();
}
