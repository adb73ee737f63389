#include "ui/toolkit/page_printer.h"

#include "ui/toolkit/printing.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <algorithm>

namespace quillo {

namespace {
// What the worker thread paints, kept alive by whoever holds it last.
struct Sheet {
    QPicture page;
    QSize size;
    std::unique_ptr<QPrinter> printer;
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
    for (QDialog* dialog : {static_cast<QDialog*>(message_), static_cast<QDialog*>(saveDialog_)}) {
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
    page_ = recordingOf(widget);
    pageSize_ = widget.size();
    pdfName_ = pdfName;
    dialogParent_ = widget.window();
    std::unique_ptr<QPrinter> printer = factory_ ? factory_() : defaultPrinter();
    if (!printer) {
        offerPdf(QStringLiteral("Non è stata trovata nessuna stampante predefinita, "
                                "quindi la pagina non può essere stampata."));
        return true;
    }
    printerName_ = printer->printerName();
    paint(std::move(printer), Stage::Printing);
    return true;
}

void PagePrinter::paint(std::unique_ptr<QPrinter> printer, Stage stage)
{
    stage_ = stage;
    printer->setColorMode(QPrinter::Color);
    printer->setDocName(QFileInfo(pdfName_).completeBaseName());
    printer->setPageOrientation(pageSize_.width() > pageSize_.height() ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    auto sheet = std::make_shared<Sheet>();
    sheet->page = page_;
    sheet->size = pageSize_;
    sheet->printer = std::move(printer);
    // Laying out the sheet, embedding its fonts and spooling it can take a
    // while; the window must not wait for any of it.
    worker_.reset(QThread::create([sheet] { sheet->ok = printPicture(sheet->page, sheet->size, *sheet->printer); }));
    QObject::connect(worker_.get(), &QThread::finished, this, [this, sheet] {
        worker_->wait();
        worker_.reset();
        sheet->printer.reset();
        painted(sheet->ok);
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
    box->setObjectName(QStringLiteral("PrintProblem"));
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
    dialog->setObjectName(QStringLiteral("SavePdf"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("Cartella:"));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("Nome del file:"));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog->setLabelText(QFileDialog::Accept, QStringLiteral("Salva"));
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("Annulla"));
    dialog->selectFile(pdfName_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, this, [this, dialog](int result) {
        const QStringList chosen = dialog->selectedFiles();
        if (result != QDialog::Accepted || chosen.isEmpty() || chosen.first().isEmpty()) {
            finish(Outcome::Cancelled);
            return;
        }
        savedPath_ = chosen.first();
        paint(pdfFile(savedPath_), Stage::Saving);
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
    box->setObjectName(QStringLiteral("SaveProblem"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, this, [this] { finish(Outcome::Failed); });
    message_ = box;
    box->open();
}

void PagePrinter::finish(Outcome outcome)
{
    stage_ = Stage::Idle;
    page_ = QPicture();
    Q_EMIT finished(outcome);
}

}  // namespace quillo
