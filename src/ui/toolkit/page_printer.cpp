#include "ui/toolkit/page_printer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace quillo {

namespace {
// What the worker thread runs, with the printer or file it paints on. Both
// sides hold it, so the printer goes on the window's thread, after the work.
struct Work {
    std::function<bool()> run;
    bool ok = false;
};

// Qt's own file dialog keeps its folder history and layout in a settings
// file of the user's (QtProject.conf). The program writes nothing but the
// file chosen, so the dialog's settings are pointed where nothing can be
// written (or read); it still remembers the last folder for the run.
void keepDialogSettingsInMemory()
{
    static const bool kept = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
        return true;
    }();
    Q_UNUSED(kept);
}

QString pdfFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}
}  // namespace

PagePrinter::PagePrinter(QObject* parent) : QObject(parent) {}

PagePrinter::~PagePrinter()
{
    if (worker_)
        worker_->wait();
    // The dialogs belong to the window; they must not call back into a
    // printer that is going.
    for (QDialog* dialog : {static_cast<QDialog*>(message_), static_cast<QDialog*>(saveDialog_),
                            static_cast<QDialog*>(printDialog_)}) {
        if (dialog) {
            dialog->disconnect(this);
            delete dialog;
        }
    }
}

std::unique_ptr<QPrinter> PagePrinter::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        return nullptr;
    return printer;
}

std::unique_ptr<QPrinter> PagePrinter::pdfFile(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

QPicture PagePrinter::recordingOf(QWidget& widget)
{
    QPicture recording;
    if (widget.size().isEmpty())
        return recording;
    recording.setBoundingRect(widget.rect());
    QPainter painter(&recording);
    widget.render(&painter);
    painter.end();
    return recording;
}

bool PagePrinter::print(QWidget& widget, const QString& pdfName)
{
    if (isBusy())
        return false;
    const QSize size = widget.size();
    const PrintJob job{
        .pdfName = pdfName,
        .orientation = size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
        .paint = [page = recordingOf(widget), size](QPrinter& printer) { return printPicture(page, size, printer); },
    };
    return print(job, widget);
}

bool PagePrinter::start(const PrintJob& job, QWidget& window, Stage stage)
{
    if (isBusy())
        return false;
    stage_ = stage;
    job_ = job;
    dialogParent_ = window.window();
    return true;
}

bool PagePrinter::print(const PrintJob& job, QWidget& window)
{
    if (!start(job, window, Stage::Printing))
        return false;
    std::unique_ptr<QPrinter> printer = factory_ ? factory_() : defaultPrinter();
    if (!printer) {
        offerPdf(QStringLiteral("Non è stata trovata nessuna stampante predefinita, "
                                "quindi la pagina non può essere stampata."));
        return true;
    }
    prepare(*printer, job_);
    printOn(std::move(printer));
    return true;
}

bool PagePrinter::printAsking(const PrintJob& job, QWidget& window)
{
    if (!start(job, window, Stage::Asking))
        return false;
    asked_ = factory_ ? factory_() : defaultPrinter();
    // With no printer installed the dialog still offers to print to a file.
    if (!asked_)
        asked_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    prepare(*asked_, job_);
    auto* dialog = new QPrintDialog(asked_.get(), dialogParent_);
    dialog->setObjectName(QStringLiteral("printDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, this, [this](int result) {
        if (result == QDialog::Accepted)
            printOn(std::move(asked_));
        else
            finish(Outcome::Cancelled);
    });
    printDialog_ = dialog;
    dialog->open();
    return true;
}

bool PagePrinter::saveAsPdf(const PrintJob& job, QWidget& window)
{
    if (!start(job, window, Stage::Choosing))
        return false;
    choosePdfFile();
    return true;
}

// The printer as it is set up: by prepare(), or as the print dialog left it
// (the paper, the orientation, the colours the teacher chose there).
void PagePrinter::printOn(std::unique_ptr<QPrinter> printer)
{
    printerName_ = printer->printerName();
    std::shared_ptr<QPrinter> shared = std::move(printer);
    paint([shared, paint = job_.paint] { return paint(*shared); }, Stage::Printing);
}

void PagePrinter::saveTo(const QString& path)
{
    savedPath_ = path;
    stage_ = Stage::Saving;
    auto draft = std::make_shared<PdfDraft>(path);
    if (!draft->isOpen()) {
        painted(false);
        return;
    }
    prepare(draft->printer(), job_);
    paint([draft, paint = job_.paint] { return paint(draft->printer()) && draft->commit(); }, Stage::Saving);
}

void PagePrinter::paint(std::function<bool()> run, Stage stage)
{
    stage_ = stage;
    auto work = std::make_shared<Work>();
    work->run = std::move(run);
    // Laying out the pages, embedding their fonts and spooling them can take
    // a while; the window must not wait for any of it.
    worker_.reset(QThread::create([work] { work->ok = work->run(); }));
    QObject::connect(worker_.get(), &QThread::finished, this, [this, work] {
        worker_->wait();
        worker_.reset();
        work->run = nullptr;
        painted(work->ok);
    });
    worker_->start();
}

void PagePrinter::painted(bool ok)
{
    if (stage_ == Stage::Printing) {
        if (ok) {
            finish(Outcome::Printed);
        } else {
            const QString printer = printerName_.isEmpty() ? QString() : QStringLiteral(" su «%1»").arg(printerName_);
            offerPdf(QStringLiteral("La stampa%1 non è riuscita.").arg(printer));
        }
    } else if (stage_ == Stage::Saving) {
        if (ok)
            finish(Outcome::SavedAsPdf);
        else
            tell(QStringLiteral("Non è stato possibile salvare il file «%1».").arg(QDir::toNativeSeparators(savedPath_)));
    }
}

void PagePrinter::offerPdf(const QString& problem)
{
    stage_ = Stage::Offering;
    if (!dialogParent_) {
        finish(Outcome::Failed);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Stampa"), problem,
                                QMessageBox::Save | QMessageBox::Cancel, dialogParent_);
    box->setObjectName(QStringLiteral("printProblem"));
    box->setInformativeText(QStringLiteral("Puoi salvare la stessa pagina come file PDF, "
                                           "da stampare in un altro momento o da un altro computer."));
    box->button(QMessageBox::Save)->setText(QStringLiteral("Salva come PDF..."));
    box->button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    box->setDefaultButton(QMessageBox::Save);
    box->setEscapeButton(QMessageBox::Cancel);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, this, [this, box] {
        if (box->clickedButton() == box->button(QMessageBox::Save))
            choosePdfFile();
        else
            finish(Outcome::Cancelled);
    });
    message_ = box;
    box->open();
}

void PagePrinter::choosePdfFile()
{
    stage_ = Stage::Choosing;
    if (!dialogParent_) {
        finish(Outcome::Failed);
        return;
    }
    keepDialogSettingsInMemory();
    auto* dialog = new QFileDialog(dialogParent_, QStringLiteral("Salva la pagina come PDF"), pdfFolder(),
                                   QStringLiteral("Documenti PDF (*.pdf)"));
    dialog->setObjectName(QStringLiteral("savePdfDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("Cartella:"));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("Nome del file:"));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog->setLabelText(QFileDialog::Accept, QStringLiteral("Salva"));
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("Annulla"));
    dialog->selectFile(job_.pdfName);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, this, [this, dialog](int result) {
        const QStringList chosen = dialog->selectedFiles();
        if (result != QDialog::Accepted || chosen.isEmpty() || chosen.first().isEmpty()) {
            finish(Outcome::Cancelled);
            return;
        }
        saveTo(chosen.first());
    });
    saveDialog_ = dialog;
    dialog->open();
}

void PagePrinter::tell(const QString& problem)
{
    stage_ = Stage::Telling;
    if (!dialogParent_) {
        finish(Outcome::Failed);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Stampa"), problem, QMessageBox::Ok,
                                dialogParent_);
    box->setObjectName(QStringLiteral("saveProblem"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, this, [this] { finish(Outcome::Failed); });
    message_ = box;
    box->open();
}

void PagePrinter::finish(Outcome outcome)
{
    stage_ = Stage::Idle;
    job_ = PrintJob();
    asked_.reset();
    Q_EMIT finished(outcome);
}

}  // namespace quillo
