#include "ui/app/screen_registry.h"
#include "ui/app/translations.h"
#include "core/scoring/score_board.h"
#include "core/kit/random_source.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillo"));
    quillo::installItalianTranslations(app);
    quillo::installLook();

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
