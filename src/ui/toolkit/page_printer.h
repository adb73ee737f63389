#pragma once

#include <QFileDialog>
#include <QPicture>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>

class QThread;
class QWidget;

namespace quillo {

// Prints a page, scaled to fill the sheet, without ever holding up the
// window: the page is recorded as it is drawn on screen, the recording is
// played onto the sheet and spooled on a worker thread, and
// every question goes through a window-modal dialog opened with open(), so
// the event loop keeps running throughout. When there is no printer, or the
// printer fails, a message says so and offers to save the same page as a
// PDF file; nothing is written unless a file is chosen in the save dialog.
class PagePrinter : public QObject {
    Q_OBJECT

public:
    enum class Outcome { Printed, SavedAsPdf, Cancelled, Failed };
    Q_ENUM(Outcome)

    // Makes the printer a page goes to; null when there is none.
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

    // Starts printing the widget and returns at once. The dialogs,
    // if any, open over the widget's window. False, doing nothing, while an
    // earlier page is still on its way.
    bool print(QWidget& widget, const QString& pdfName);
    bool isBusy() const { return stage_ != Stage::Idle; }

    // The dialog open at the moment, if any.
    QMessageBox* message() const { return message_; }
    QFileDialog* saveDialog() const { return saveDialog_; }

Q_SIGNALS:
    // The page has gone its whole way: printed, saved, given up or failed.
    void finished(quillo::PagePrinter::Outcome outcome);

private:
    enum class Stage { Idle, Printing, Offering, Choosing, Saving, Telling };

    void paint(std::unique_ptr<QPrinter> printer, Stage stage);
    void painted(bool ok);
    void offerPdf(const QString& problem);
    void choosePdfFile();
    void tell(const QString& problem);
    void finish(Outcome outcome);

    PrinterFactory factory_;
    Stage stage_ = Stage::Idle;
    QPicture page_;
    QSize pageSize_;
    QString pdfName_;
    QString printerName_;
    QString savedPath_;
    QPointer<QWidget> dialogParent_;
    std::unique_ptr<QThread> worker_;
    QPointer<QMessageBox> message_;
    QPointer<QFileDialog> saveDialog_;
};

}  // namespace quillo
