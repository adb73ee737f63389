#pragma once

#include "ui/toolkit/printing.h"

#include <QFileDialog>
#include <QPicture>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>

class QThread;
class QWidget;

namespace quillo {

// Prints pages without ever holding up the window: a job's pages are
// painted and spooled on a worker thread, and every question goes through a
// window-modal dialog opened with open(), so the event loop keeps running
// throughout. A page on screen is recorded as it is drawn and played onto
// the sheet; a job brings its own painting. When there is no printer, or the
// printer fails, a message says so and offers to save the same pages as a
// PDF file; nothing is written unless a file is chosen in the save dialog,
// and a file is written whole or not at all.
class PagePrinter : public QObject {
    Q_OBJECT

public:
    enum class Outcome { Printed, SavedAsPdf, Cancelled, Failed };
    Q_ENUM(Outcome)

    // Makes the printer pages go to; null when there is none.
    using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;

    explicit PagePrinter(QObject* parent = nullptr);
    // Waits for a sheet still being painted, so it is never cut off.
    ~PagePrinter() override;

    // The system's default printer, or null when none is installed.
    static std::unique_ptr<QPrinter> defaultPrinter();
    // A PDF file at the path, painted as a printer would.
    static std::unique_ptr<QPrinter> pdfFile(const QString& path);

    // Where pages go; the default printer unless told otherwise.
    void setPrinterFactory(PrinterFactory factory) { factory_ = std::move(factory); }

    // The widget as it is drawn now, recorded as drawing commands (text
    // stays text) that play back at any resolution.
    static QPicture recordingOf(QWidget& widget);

    // Each starts a job and returns at once; the dialogs, if any, open over
    // `window`. Each returns false, doing nothing, while an earlier job is
    // still on its way.
    // The widget as it is drawn now, to the printer.
    bool print(QWidget& widget, const QString& pdfName);
    // The job to the printer.
    bool print(const PrintJob& job, QWidget& window);
    // The job to the printer chosen in Qt's print dialog, which starts on
    // the printer the factory makes (or the default one).
    bool printAsking(const PrintJob& job, QWidget& window);
    // The job to a PDF file chosen in the save dialog.
    bool saveAsPdf(const PrintJob& job, QWidget& window);
    bool isBusy() const { return stage_ != Stage::Idle; }

    // The dialog open at the moment, if any.
    QMessageBox* message() const { return message_; }
    QFileDialog* saveDialog() const { return saveDialog_; }
    QPrintDialog* printDialog() const { return printDialog_; }

Q_SIGNALS:
    // The job has gone its whole way: printed, saved, given up or failed.
    void finished(quillo::PagePrinter::Outcome outcome);

private:
    enum class Stage { Idle, Asking, Printing, Offering, Choosing, Saving, Telling };

    bool start(const PrintJob& job, QWidget& window, Stage stage);
    void printOn(std::unique_ptr<QPrinter> printer);
    void saveTo(const QString& path);
    void paint(std::function<bool()> work, Stage stage);
    void painted(bool ok);
    void offerPdf(const QString& problem);
    void choosePdfFile();
    void tell(const QString& problem);
    void finish(Outcome outcome);

    PrinterFactory factory_;
    Stage stage_ = Stage::Idle;
    PrintJob job_;
    QString printerName_;
    QString savedPath_;
    QPointer<QWidget> dialogParent_;
    std::unique_ptr<QThread> worker_;
    std::unique_ptr<QPrinter> asked_;  // the printer the print dialog sets up
    QPointer<QMessageBox> message_;
    QPointer<QFileDialog> saveDialog_;
    QPointer<QPrintDialog> printDialog_;
};

}  // namespace quillo
