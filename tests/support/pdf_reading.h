#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace quillo::testing {

// A PDF read as a teacher meets it, through Debian's poppler-utils: its text
// as pdftotext lays it out, pdfinfo's facts and a page rendered by pdftoppm.
// A tool that is missing or fails fails the test that asked.
struct PdfInfo {
    int pages = 0;
    // Page size in points, as pdfinfo reports it.
    QString pageSize;
};

QString pdfText(const QString& path);
PdfInfo pdfInfo(const QString& path);

// A word as pdftotext -bbox finds it: on which page (from 1), what it says,
// and the box it takes, in millimetres from the page's top-left corner.
struct PdfWord {
    int page = 0;
    QString text;
    QRectF box;
};
std::vector<PdfWord> pdfWords(const QString& path);

// How many raster images pdfimages -list finds in the file.
int pdfImageCount(const QString& path);
// A page (the first unless told), rendered at this many dots per inch.
QImage pdfPage(const QString& path, int dpi, int page = 1);

// How far two pictures of the same size are apart: the mean difference of
// their channels (0 to 255) and the share of pixels that differ clearly.
struct PictureDifference {
    double meanChannel = 255;
    double clearlyDifferent = 1;
};
PictureDifference difference(const QImage& a, const QImage& b);

}  // namespace quillo::testing
