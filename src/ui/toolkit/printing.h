#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>
#include <memory>

class QPicture;
class QPrinter;
class QSize;

namespace quillo {

// Plays a page recorded at the given size onto the printer, centred on its
// printable area and scaled to fill it without distortion, so text and
// lines stay text and lines. Returns false when there is nothing to print or
// the printer cannot be painted on.
//
// The recording is in the window's pixels, its fonts already sized in them.
// A printer painted at its own resolution would size those fonts once more
// for its dots on top of the scale that fits the page to the paper, and
// the card would print as one giant word; so the printer is set to the
// recording's resolution first. Text and lines stay vectors, which the
// printer still draws with all its dots.
bool printPicture(const QPicture& page, const QSize& size, QPrinter& printer);

// Something to put on paper: its pages, painted onto whatever printer it is
// given. The painting runs on a worker thread, so it holds everything it
// draws by value and touches no widget.
struct PrintJob {
    QString pdfName;  // the file name offered when it is saved as a PDF: "Valutazione - Giulia.pdf"
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QPageSize pageSize;  // the paper it is made for; when not valid, the printer's own
    std::function<bool(QPrinter&)> paint;  // false when a page could not be painted
};

// Sets a printer up for the job: in colour, on the job's paper in its
// orientation, under the job's name in the print queue.
void prepare(QPrinter& printer, const PrintJob& job);

// A PDF file that appears whole or not at all. Its printer writes into a
// hidden draft beside the target; commit() then puts the draft in the
// target's place in one step, replacing what was there. A draft that is not
// committed is removed, so a failure leaves neither a partial file nor an
// empty one, and an old file stays as it was.
class PdfDraft {
public:
    explicit PdfDraft(const QString& path);
    ~PdfDraft();
    PdfDraft(const PdfDraft&) = delete;
    PdfDraft& operator=(const PdfDraft&) = delete;

    // False when no file can be made beside the target (no such folder, no
    // right to write in it).
    bool isOpen() const { return printer_ != nullptr; }
    // A4, high resolution, writing into the draft. Only when open.
    QPrinter& printer() { return *printer_; }
    // Closes the draft and moves it over the target; false when that fails.
    bool commit();

private:
    QString path_;
    QString draft_;
    std::unique_ptr<QPrinter> printer_;
    bool committed_ = false;
};

// The job written through a draft: true once the whole file is in place.
bool writePdf(const PrintJob& job, const QString& path);

}  // namespace quillo
