#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdlib>

namespace quillo::testing {

namespace {
QString run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed: " << process.readAllStandardError().toStdString()
                      << " (is poppler-utils installed? scripts/setup.sh installs it)";
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}
}  // namespace

QString pdfText(const QString& path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

PdfInfo pdfInfo(const QString& path)
{
    const QString text = run(QStringLiteral("pdfinfo"), {path});
    const auto field = [&](const char* name) {
        const QRegularExpression line(QStringLiteral("^%1:\\s+(.+)$").arg(QLatin1String(name)),
                                      QRegularExpression::MultilineOption);
        return line.match(text).captured(1).trimmed();
    };
    return {field("Pages").toInt(), field("Page size")};
}

std::vector<PdfWord> pdfWords(const QString& path)
{
    constexpr double kMillimetresPerPoint = 25.4 / 72;
    QXmlStreamReader xml(run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
    std::vector<PdfWord> words;
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QStringLiteral("page")) {
            ++page;
        } else if (xml.name() == QStringLiteral("word")) {
            const auto at = [&](const char* name) {
                return xml.attributes().value(QString::fromLatin1(name)).toDouble() * kMillimetresPerPoint;
            };
            const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
            words.push_back({page, xml.readElementText(), box});
        }
    }
    if (xml.hasError())
        ADD_FAILURE() << "pdftotext -bbox gave no readable XHTML: " << xml.errorString().toStdString();
    return words;
}

int pdfImageCount(const QString& path)
{
    // Two header lines, then one line per image.
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.size() < 2 ? -1 : static_cast<int>(lines.size()) - 2;
}

QImage pdfPage(const QString& path, int dpi, int page)
{
    QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                     QString::number(page), QStringLiteral("-l"), QString::number(page),
                                     QStringLiteral("-png"), QStringLiteral("-singlefile"), path, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

PictureDifference difference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return {};
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    long long clear = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            const int d = std::abs(qRed(l[x]) - qRed(r[x])) + std::abs(qGreen(l[x]) - qGreen(r[x]))
                          + std::abs(qBlue(l[x]) - qBlue(r[x]));
            total += d / 3.0;
            if (d > 3 * 64)
                ++clear;
        }
    }
    const double pixels = static_cast<double>(left.width()) * left.height();
    return {total / pixels, static_cast<double>(clear) / pixels};
}

}  // namespace quillo::testing
