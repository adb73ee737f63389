#include "ui/app/sheets_window.h"

#include "core/sheets/family_sheet.h"
#include "core/sheets/worksheet.h"
#include "ui/print/sheet_job.h"
#include "ui/toolkit/look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quillo {

namespace {

// A caption for a control, whose underlined letter (after "&") moves the
// focus to it with Alt.
QLabel* captionFor(QWidget* control, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(control);
    return label;
}

template <typename W>
W* named(W* widget, const char* objectName, const QString& accessibleName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

ExerciseFamily familyAt(int index)
{
    return kAllFamilies.at(static_cast<std::size_t>(std::max(index, 0)));
}

// The option's own word, as a caption: "--moltiplicatore" -> "Moltiplicatore".
QString captionOf(std::string_view option)
{
    QString word = toQString(option.substr(option.find_first_not_of('-')));
    word[0] = word[0].toUpper();
    return word;
}

QString pagesText(int pages, int perPage, bool withKey)
{
    const QString count = pages == 1 ? QStringLiteral("1 pagina") : QStringLiteral("%1 pagine").arg(pages);
    const QString each = perPage == 1 ? QStringLiteral("1 esercizio per pagina")
                                      : QStringLiteral("%1 esercizi per pagina").arg(perPage);
    return withKey ? QStringLiteral("%1, soluzioni comprese (%2)").arg(count, each)
                   : QStringLiteral("%1 (%2)").arg(count, each);
}

}  // namespace

SheetsWindow::SheetsWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("sheetsWindow"));
    setWindowTitle(QStringLiteral("Schede per la classe"));
    previewPrinter_.setPageSize(QPageSize(QPageSize::A4));
    previewPrinter_.setPageOrientation(QPageLayout::Portrait);
    preview_ = named(new QPrintPreviewWidget(&previewPrinter_, this), "preview",
                     QStringLiteral("Anteprima della scheda"));
    // The preview paints the very job that is printed or saved.
    QObject::connect(preview_, &QPrintPreviewWidget::paintRequested, this,
                     [this](QPrinter* printer) { job_.paint(*printer); });

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildControls());
    layout->addWidget(preview_, 1);
    resize(1000, 760);

    QObject::connect(&printer_, &PagePrinter::finished, this, [this] {
        print_->setEnabled(true);
        save_->setEnabled(true);
    });
    familyChosen();
}

QWidget* SheetsWindow::buildControls()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    auto* form = new QFormLayout;
    column->addLayout(form);

    family_ = named(new QComboBox(panel), "familyBox", QStringLiteral("Scheda"));
    for (ExerciseFamily family : kAllFamilies)
        family_->addItem(toQString(sheets::familySheet(family).title));
    form->addRow(captionFor(family_, QStringLiteral("&Scheda:"), panel), family_);

    choice_ = named(new QComboBox(panel), "choiceBox", QString());
    choiceLabel_ = captionFor(choice_, QString(), panel);
    choiceLabel_->setObjectName(QStringLiteral("choiceLabel"));
    form->addRow(choiceLabel_, choice_);

    count_ = named(new QSpinBox(panel), "countBox", QStringLiteral("Numero di esercizi"));
    count_->setRange(1, sheets::kMostExercises);
    count_->setValue(std::min(sheets::exercisesPerPage(familyAt(0), 0), sheets::kMostExercises));
    form->addRow(captionFor(count_, QStringLiteral("&Esercizi:"), panel), count_);

    seed_ = named(new QSpinBox(panel), "seedBox", QStringLiteral("Seme"));
    seed_->setRange(0, static_cast<int>(kLargestSeed));
    seed_->setValue(static_cast<int>(freshSeed()));
    seed_->setToolTip(QStringLiteral("Lo stesso seme ridà gli stessi esercizi; è stampato a piè di pagina"));
    auto* newSeed = named(new QPushButton(QStringLiteral("&Nuovo seme"), panel), "newSeedButton",
                          QStringLiteral("Nuovo seme"));
    QObject::connect(newSeed, &QPushButton::clicked, this, [this] { seed_->setValue(static_cast<int>(freshSeed())); });
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(seed_, 1);
    seedRow->addWidget(newSeed);
    form->addRow(captionFor(seed_, QStringLiteral("S&eme:"), panel), seedRow);

    key_ = named(new QCheckBox(QStringLiteral("S&oluzioni"), panel), "keyCheck", QStringLiteral("Soluzioni"));
    key_->setToolTip(QStringLiteral("Dopo la scheda, gli stessi esercizi risolti in rosso"));
    form->addRow(QString(), key_);

    pages_ = named(new QLabel(panel), "pageCountLabel", QStringLiteral("Pagine"));
    pages_->setWordWrap(true);
    column->addWidget(pages_);
    column->addStretch(1);

    print_ = named(new QPushButton(QStringLiteral("S&tampa..."), panel), "printButton", QStringLiteral("Stampa..."));
    save_ = named(new QPushButton(QStringLiteral("Salva &PDF..."), panel), "savePdfButton",
                  QStringLiteral("Salva PDF..."));
    column->addWidget(print_);
    column->addWidget(save_);
    QObject::connect(print_, &QPushButton::clicked, this, [this] {
        if (printer_.printAsking(job_, *this)) {
            print_->setEnabled(false);
            save_->setEnabled(false);
        }
    });
    QObject::connect(save_, &QPushButton::clicked, this, [this] {
        if (printer_.saveAsPdf(job_, *this)) {
            print_->setEnabled(false);
            save_->setEnabled(false);
        }
    });

    QObject::connect(family_, &QComboBox::currentIndexChanged, this, [this] { familyChosen(); });
    QObject::connect(choice_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    QObject::connect(count_, &QSpinBox::valueChanged, this, [this] { refresh(); });
    QObject::connect(seed_, &QSpinBox::valueChanged, this, [this] { refresh(); });
    QObject::connect(key_, &QCheckBox::toggled, this, [this] { refresh(); });
    return panel;
}

// The choice offered is the family's own, starting from its first value.
void SheetsWindow::familyChosen()
{
    const sheets::FamilySheet& sheet = sheets::familySheet(familyAt(family_->currentIndex()));
    {
        const QSignalBlocker quiet(choice_);
        choice_->clear();
        if (sheet.choice) {
            for (std::string_view value : sheet.choice->values)
                choice_->addItem(toQString(value));
            const QString caption = captionOf(sheet.choice->option);
            choiceLabel_->setText(QLatin1Char('&') + caption + QLatin1Char(':'));
            choice_->setAccessibleName(caption);
        }
    }
    choiceLabel_->setVisible(sheet.choice.has_value());
    choice_->setVisible(sheet.choice.has_value());
    refresh();
}

sheets::SheetRequest SheetsWindow::request() const
{
    return {
        .family = familyAt(family_->currentIndex()),
        .choice = std::max(choice_->currentIndex(), 0),
        .count = count_->value(),
        .seed = static_cast<Seed>(seed_->value()),
        .withKey = key_->isChecked(),
    };
}

void SheetsWindow::refresh()
{
    const sheets::SheetRequest wanted = request();
    job_ = sheetJob(wanted);
    preview_->updatePreview();
    pages_->setText(pagesText(preview_->pageCount(), sheets::exercisesPerPage(wanted.family, wanted.choice),
                              wanted.withKey));
}

}  // namespace quillo
