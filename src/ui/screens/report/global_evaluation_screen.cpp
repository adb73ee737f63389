#include "ui/screens/report/global_evaluation_screen.h"

#include "core/scoring/report_card.h"
#include "core/scoring/score_board.h"
#include "ui/kit/screen_id.h"
#include "core/families/family_description.h"
#include "core/kit/colours.h"
#include "ui/kit/standard_button.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/focus_guard.h"
#include "ui/toolkit/page.h"
#include "ui/toolkit/plain_text.h"
#include "ui/toolkit/twips.h"

#include <QDate>

namespace quillo {

namespace {
constexpr FontSpec kLineFont{Face::Script, 18, true};

constexpr int kCaptionLeft = 840;
constexpr int kWordLeft = 3840;
constexpr int kLineHeight = 600;

constexpr int kFirstLineTop = 1080;

QString controlName(std::string_view name)
{
    QString control = toQString(name);
    control[0] = control[0].toLower();
    return control;
}
}  // namespace

GlobalEvaluationScreen::GlobalEvaluationScreen(Services& services) : services_(services) {}

Page* GlobalEvaluationScreen::open()
{
    page_ = new Page(QStringLiteral("tv-pb - Esercitazione di Aritmetica cl. V - Valutazione globale"), kReportWidth,
                     kReportHeight);
    build();
    showCard();
    return page_;
}

void GlobalEvaluationScreen::build()
{
    Page& page = *page_;
    const auto label = [&page](const QString& name, TwipRect rect, const QString& text, FontSpec font) {
        auto* added = page.add<Label>(name, rect, font);
        added->setText(text);
        return added;
    };

    label(QStringLiteral("pupilCaption"), {240, 0, 1800, 480}, QStringLiteral("Alunno/a"), kLineFont);
    pupilName_ = label(QStringLiteral("pupilName"), {2040, 0, 7200, 480}, {}, kLineFont);
    pupilName_->setTextColour(colour::Blue);
    pupilName_->setAccessibleName(QStringLiteral("Alunno/a"));

    auto* title = label(QStringLiteral("title"), {240, 480, 9000, kLineHeight}, QStringLiteral("Valutazione dell'esercitazione"),
                        {Face::Script, 24, true});
    title->setAlignment(Qt::AlignCenter);
    title->setTextColour(colour::Red);

    words_.clear();
    int top = kFirstLineTop;
    for (const ReportLine& line : computeReportCard(services_.board).lines()) {
        const QString name = controlName(line.name);
        const QString caption = toQString(line.caption);
        label(name + QStringLiteral("Caption"), {kCaptionLeft, top, kWordLeft - kCaptionLeft, kLineHeight}, caption,
              kLineFont);
        Label* word = label(name + QStringLiteral("Word"), {kWordLeft, top, kPaperRight - kWordLeft, kLineHeight}, {},
                            {Face::Script, 22, true});
        word->setTextColour(colour::Blue);
        word->setAccessibleName(caption.chopped(1));
        words_.push_back(word);
        top += kLineHeight;
    }

    auto* overallCaption = label(QStringLiteral("overallCaption"), {2640, 4680, 4212, 480}, QStringLiteral("Valutazione complessiva"),
                                 kLineFont);
    overallCaption->setAlignment(Qt::AlignCenter);
    overall_ = page.add<VerdictBox>(QStringLiteral("overallVerdict"), {2640, 5160, 4212, 780}, {Face::Script, 24, true});
    overall_->setAccessibleName(overallCaption->text());

    auto* footer = label(QStringLiteral("footer"), {870, 5520, 1750, 390}, toQString(kFooter), {Face::Script, 10, false});
    footer->setAlignment(Qt::AlignCenter);

    credit_ = label(QStringLiteral("credit"), {240, 6480, 9000, 420}, {}, {Face::Script, 11, false});
    credit_->setAlignment(Qt::AlignCenter);

    const auto button = [&page](const char* name, TwipRect place, const QString& caption, const QString& tooltip,
                                Colour background, const QString& description) {
        return addButton(page, {.name = QString::fromLatin1(name),
                                .place = place,
                                .caption = caption,
                                .tooltip = tooltip,
                                .background = background,
                                .description = description});
    };
    auto* exit = button("exitButton", cellAt(240, 5280), QStringLiteral("exit"), {}, colour::Green,
                        QStringLiteral("Esci dal programma"));
    QObject::connect(exit, &QPushButton::clicked, page_, [this] { services_.navigator.endProgram(); });
    auto* menu = button("mainMenuButton", cellAt(8640, 5280), QStringLiteral("Menu"),
                        QStringLiteral("Apre il menu principale"), colour::MenuButton, QStringLiteral("Menu principale"));
    QObject::connect(menu, &QPushButton::clicked, page_,
                     [this] { services_.navigator.showScreen(ScreenId::MainMenu); });
    // Not "exit": a stray Space on the report must not end the run, neither
    // at opening nor when a print dialog hands the keyboard back.
    page.setInitialFocus(menu);
    new FocusGuard(page_, {exit}, [menu] { return menu; });
    print_ = button("printButton", {7080, 5520, 1212, 372}, QStringLiteral("Stampa"),
                    QStringLiteral("Stampa la schermata. L'operazione potrebbe richiedere qualche minuto"),
                    colour::Green, QStringLiteral("Stampa la scheda"));
    QObject::connect(print_, &QPushButton::clicked, page_, [this] { print(); });
    // A page still on its way when the report was left and reopened.
    print_->setEnabled(!printer_.isBusy());
    QPointer<Button> printButton = print_;
    QObject::connect(&printer_, &PagePrinter::finished, page_, [printButton] {
        if (printButton)
            printButton->setEnabled(true);
    });
}

void GlobalEvaluationScreen::showCard()
{
    credit_->hide();
    const ReportCard card = computeReportCard(services_.board);
    pupilName_->setText(QString::fromStdString(card.pupilName));
    const std::vector<ReportLine> lines = card.lines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        words_[i]->setText(toQString(lines[i].word));
    overall_->showText(toQString(card.overall), false);
}

void GlobalEvaluationScreen::print()
{
    if (printer_.isBusy())
        return;
    // The credit goes on the paper, so it shows before the picture is taken.
    credit_->setText(QStringLiteral("Quillo - esercitazione di aritmetica per la classe quinta - stampata il %1")
                         .arg(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));
    credit_->show();
    print_->setEnabled(false);
    printer_.print(*page_, pdfName(pupilName_->text()));
}

QString GlobalEvaluationScreen::pdfName(const QString& pupilName)
{
    QString name;
    for (const QChar c : plainText(pupilName).simplified()) {
        // Separators and the characters some file systems refuse.
        const bool unsafe = c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        name.append(unsafe ? QLatin1Char('-') : c);
    }
    while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    if (name.isEmpty())
        return QStringLiteral("Valutazione dell'esercitazione.pdf");
    return QStringLiteral("Valutazione - %1.pdf").arg(firstCharacters(name, 60));
}

}  // namespace quillo
