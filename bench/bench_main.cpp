// Start-up and screen switch of Quillo, each measured in the same run
// against a bare Qt window with as many widgets, and a bare page swap with
// the same widgets, texts and fonts, so the ratio shows what the squared
// paper, the twips and the screens' own work cost.
//
// Start-up is timed from outside: the bench starts itself as a child that
// builds either the program or the bare window and exits at its first
// paint, so loading, Qt's start and fonts are all counted.
#include "core/scoring/score_board.h"
#include "ui/app/screen_registry.h"
#include "core/kit/random_source.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/main_window.h"
#include "ui/toolkit/page.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Quits at the first paint of the watched widget.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

// A page of plain widgets, as many as the main menu has.
QWidget* barePage(QWidget* parent, int widgets)
{
    auto* page = new QWidget(parent);
    for (int i = 0; i < widgets; ++i) {
        QWidget* child = i % 2 ? static_cast<QWidget*>(new QPushButton(QStringLiteral("Button"), page))
                               : new QLabel(QStringLiteral("Label"), page);
        child->setGeometry(10 + (i % 10) * 60, 10 + (i / 10) * 40, 55, 35);
    }
    return page;
}

constexpr int kMainMenuWidgets = 24;

int startChild(bool quillo, int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaint watcher;
    if (quillo) {
        quillo::installLook();
        quillo::ScoreBoard board;
        quillo::ClockRandom random;
        random.seedFromClock();
        quillo::MainWindow window;
        quillo::ScreenRegistry registry(window, board, random);
        registry.showScreen(quillo::ScreenId::MainMenu);
        window.page()->installEventFilter(&watcher);
        window.show();
        return QApplication::exec();
    }
    QWidget window;
    window.resize(quillo::MainWindow::initialSize());
    QWidget* page = barePage(&window, kMainMenuWidgets);
    page->resize(window.size());
    page->installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}

double timeChild(const std::string& self, const char* mode)
{
    const std::string command = "\"" + self + "\" " + mode;
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "%s failed\n", command.c_str());
        std::exit(1);
    }
    return millisecondsSince(start);
}

struct Switches {
    double quillo;
    double bare;
};

// What a plain Qt page needs to show the same widgets with the same texts,
// fonts and places as a page of the program, without the paper and twips.
struct BareWidget {
    enum class Kind { Label, Button, Box } kind;
    QString text;
    QRect geometry;
    QFont font;
};

std::vector<BareWidget> describe(const QWidget& page)
{
    std::vector<BareWidget> widgets;
    for (const QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (const auto* button = qobject_cast<const QPushButton*>(child))
            widgets.push_back({BareWidget::Kind::Button, button->text(), child->geometry(), child->font()});
        else if (const auto* box = qobject_cast<const QLineEdit*>(child))
            widgets.push_back({BareWidget::Kind::Box, box->text(), child->geometry(), child->font()});
        else if (const auto* label = qobject_cast<const QLabel*>(child))
            widgets.push_back({BareWidget::Kind::Label, label->text(), child->geometry(), child->font()});
    }
    return widgets;
}

QWidget* bareCopy(QWidget* parent, const std::vector<BareWidget>& widgets)
{
    auto* page = new QWidget(parent);
    for (const BareWidget& widget : widgets) {
        QWidget* child = nullptr;
        switch (widget.kind) {
        case BareWidget::Kind::Label: child = new QLabel(widget.text, page); break;
        case BareWidget::Kind::Button: child = new QPushButton(widget.text, page); break;
        case BareWidget::Kind::Box: child = new QLineEdit(widget.text, page); break;
        }
        child->setGeometry(widget.geometry);
        child->setFont(widget.font);
    }
    return page;
}

Switches timeSwitches(int argc, char* argv[])
{
    QApplication app(argc, argv);
    quillo::installLook();
    quillo::ScoreBoard board;
    quillo::ClockRandom random;
    quillo::MainWindow window;
    quillo::ScreenRegistry registry(window, board, random);
    registry.showScreen(quillo::ScreenId::MainMenu);
    window.show();
    QCoreApplication::processEvents();

    std::vector<quillo::ScreenId> built;
    std::vector<std::vector<BareWidget>> bareScreens;
    for (int id = 0; id < quillo::kScreenCount; ++id) {
        const auto screen = static_cast<quillo::ScreenId>(id);
        if (registry.instance(screen)) {
            built.push_back(screen);
            registry.showScreen(screen);
            bareScreens.push_back(describe(*window.page()));
        }
    }

    const auto settle = [](QWidget& shown) {
        shown.repaint();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    };

    std::vector<double> quilloTimes;
    std::vector<double> bareTimes;
    QWidget bareWindow;
    bareWindow.resize(window.size());
    bareWindow.show();
    QWidget* barePageShown = bareCopy(&bareWindow, {});
    for (int round = 0; round < 30; ++round) {
        for (std::size_t i = 0; i < built.size(); ++i) {
            auto start = Clock::now();
            registry.showScreen(built[i]);
            settle(window);
            quilloTimes.push_back(millisecondsSince(start));

            start = Clock::now();
            QWidget* next = bareCopy(&bareWindow, bareScreens[i]);
            next->setGeometry(window.page()->geometry());
            next->show();
            barePageShown->hide();
            barePageShown->deleteLater();
            barePageShown = next;
            settle(bareWindow);
            bareTimes.push_back(millisecondsSince(start));
        }
    }
    return {median(quilloTimes), median(bareTimes)};
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    if (argc > 1 && std::string(argv[1]) == "startup-quillo")
        return startChild(true, argc, argv);
    if (argc > 1 && std::string(argv[1]) == "startup-bare")
        return startChild(false, argc, argv);

    const std::string self = argv[0];
    std::vector<double> quilloStart;
    std::vector<double> bareStart;
    timeChild(self, "startup-quillo");  // warm the caches for both
    for (int run = 0; run < 9; ++run) {
        bareStart.push_back(timeChild(self, "startup-bare"));
        quilloStart.push_back(timeChild(self, "startup-quillo"));
    }
    const double quillo = median(quilloStart);
    const double bare = median(bareStart);
    const Switches switches = timeSwitches(argc, argv);

    std::printf("start-up to first paint: Quillo %.1f ms, bare window %.1f ms, ratio %.2f (target 1.30)\n", quillo,
                bare, quillo / bare);
    std::printf("median screen switch:    Quillo %.2f ms, bare page swap %.2f ms, ratio %.2f (target 2.00)\n",
                switches.quillo, switches.bare, switches.quillo / switches.bare);
    return 0;
}
