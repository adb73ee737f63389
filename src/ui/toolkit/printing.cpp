#include "ui/toolkit/printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

namespace quillo {

bool printPicture(const QPicture& page, const QSize& size, QPrinter& printer)
{
    if (page.isNull() || size.isEmpty())
        return false;
    printer.setResolution(page.logicalDpiY());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect area = painter.viewport();
    const double scale = std::min(static_cast<double>(area.width()) / size.width(),
                                  static_cast<double>(area.height()) / size.height());
    painter.translate(area.x() + (area.width() - size.width() * scale) / 2,
                      area.y() + (area.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPicture(0, 0, page);
    return painter.end();
}

void prepare(QPrinter& printer, const PrintJob& job)
{
    printer.setColorMode(QPrinter::Color);
    printer.setDocName(QFileInfo(job.pdfName).completeBaseName());
    if (job.pageSize.isValid())
        printer.setPageSize(job.pageSize);
    printer.setPageOrientation(job.orientation);
}

PdfDraft::PdfDraft(const QString& path) : path_(path)
{
    const QFileInfo target(path);
    // A name of its own in the target's folder, so the final rename stays
    // within one file system; created here, so no other file is taken.
    for (int attempt = 0; attempt < 3 && draft_.isEmpty(); ++attempt) {
        const QString name = QStringLiteral(".%1.%2.part")
                                 .arg(target.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        QFile file(target.dir().filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            draft_ = file.fileName();
    }
    if (draft_.isEmpty())
        return;
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(draft_);
    printer_->setPageSize(QPageSize(QPageSize::A4));
}

PdfDraft::~PdfDraft()
{
    printer_.reset();
    if (!committed_ && !draft_.isEmpty())
        QFile::remove(draft_);
}

bool PdfDraft::commit()
{
    if (!printer_ || committed_)
        return false;
    // The printer closes its file when it goes.
    printer_.reset();
    const QFileInfo written(draft_);
    if (!written.exists() || written.size() == 0)
        return false;
    // rename() replaces the target in one step: a reader sees the old file
    // or the new one, never half of either.
    committed_ = std::rename(QFile::encodeName(draft_).constData(), QFile::encodeName(path_).constData()) == 0;
    return committed_;
}

bool writePdf(const PrintJob& job, const QString& path)
{
    PdfDraft draft(path);
    if (!draft.isOpen())
        return false;
    prepare(draft.printer(), job);
    return job.paint(draft.printer()) && draft.commit();
}

}  // namespace quillo
