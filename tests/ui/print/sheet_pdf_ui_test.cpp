#include "core/sheets/family_sheet.h"
#include "core/sheets/worksheet.h"
#include "core/sheets/family_checks.h"
#include "support/pdf_reading.h"
#include "ui/print/sheet_job.h"
#include "ui/toolkit/look.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <set>

// Worksheets read back from the PDF a teacher gets: the digits and signs as
// pdftotext finds them, the colours of the parts as pdftoppm paints them.
// The exercises read back must hold the key's answers, worked out again by
// the family checks; only the places of the lines and boxes are taken from
// the sheet as the core lays it out.
namespace quillo::testing {
namespace {

using namespace sheets;

constexpr double kTenthsPerMillimetre = 10;
// pdftotext gives a word the height of its font's ascent and descent, about
// 1.1 em: a digit of the exercises (em 4.5 mm) stands taller than this, the
// instruction's words (em 3.5 mm) and the small marks do not.
constexpr double kGlyphWordHeight = 4.5;

struct Printed {
    SheetRequest request;
    QString path;
    Sheet layout;  // where the core put lines and boxes
};

Printed print(const SheetRequest& request, const QTemporaryDir& folder)
{
    const QString path = folder.filePath(sheetFileName(request));
    EXPECT_TRUE(writePdf(sheetJob(request), path));
    return {request, path, makeSheet(request)};
}

int snapped(double tenths, int origin, int step)
{
    return origin + static_cast<int>(std::lround((tenths - origin) / step)) * step;
}

int squareOf(double tenths, int origin)
{
    return origin + static_cast<int>(std::floor((tenths - origin) / kSquare)) * kSquare;
}

// One page's words in the sheet's own terms: a one-character word as tall
// as a digit is a glyph in the square (or half square, on a bar) its centre
// marks; any other word is a text in the square its centre falls in.
Drawing wordsOn(const std::vector<PdfWord>& words, int page)
{
    Drawing drawing;
    for (const PdfWord& word : words) {
        if (word.page != page)
            continue;
        const QPointF centre = word.box.center() * kTenthsPerMillimetre;
        const std::string text = word.text.toStdString();
        if (word.text.size() == 1 && word.box.height() > kGlyphWordHeight) {
            drawing.glyphs.push_back({{snapped(centre.x() - kSquare / 2.0, kRulingOrigin.x, kHalfSquare),
                                       snapped(centre.y() - kSquare / 2.0, kRulingOrigin.y, kHalfSquare)},
                                      text});
        } else {
            drawing.texts.push_back(
                {{squareOf(centre.x(), kRulingOrigin.x), squareOf(centre.y(), kRulingOrigin.y), kSquare, kSquare},
                 text});
        }
    }
    return drawing;
}

// The fill of a box as printed, from a spot just inside its top-left corner,
// where no digit reaches.
Fill fillSeen(const QImage& render, const Rect& rect)
{
    const double pixelsPerTenth = render.width() / static_cast<double>(kPageWidth);
    const QColor seen = render.pixelColor(static_cast<int>((rect.left + 10) * pixelsPerTenth),
                                          static_cast<int>((rect.top + 10) * pixelsPerTenth));
    if (seen.red() > 200 && seen.green() < 80 && seen.blue() < 80)
        return Fill::Red;
    if (seen.blue() > 200 && seen.red() < 80 && seen.green() < 80)
        return Fill::Blue;
    return Fill::None;
}

// A key page as printed: what also stands on its sheet page is the
// exercise, the rest is the answer, and the boxes the sheet does not have
// are the key's, coloured as the render shows them.
Page keyPageRead(const Printed& printed, const std::vector<PdfWord>& words, int keyPage, int sheetPage)
{
    const Page& layout = printed.layout.pages.at(static_cast<std::size_t>(keyPage - 1));
    std::vector<Box> sheetBoxes = printed.layout.pages.at(static_cast<std::size_t>(sheetPage - 1)).drawing.boxes;
    Page page;
    page.key = true;
    page.exercises = layout.exercises;
    page.drawing.rules = layout.drawing.rules;
    const Drawing sheet = wordsOn(words, sheetPage);
    const Drawing key = wordsOn(words, keyPage);
    for (Glyph glyph : key.glyphs) {
        const bool given = std::any_of(sheet.glyphs.begin(), sheet.glyphs.end(), [&](const Glyph& other) {
            return other.corner == glyph.corner && other.text == glyph.text;
        });
        glyph.ink = given ? Ink::Given : Ink::Answer;
        page.drawing.glyphs.push_back(glyph);
    }
    for (Text text : key.texts) {
        const bool given = std::any_of(sheet.texts.begin(), sheet.texts.end(), [&](const Text& other) {
            return other.box == text.box && other.text == text.text;
        });
        text.ink = given ? Ink::Given : Ink::Answer;
        page.drawing.texts.push_back(text);
    }
    QImage render;
    for (const Box& box : layout.drawing.boxes) {
        const auto onSheet = std::find_if(sheetBoxes.begin(), sheetBoxes.end(),
                                          [&](const Box& other) { return other.rect == box.rect; });
        if (onSheet != sheetBoxes.end()) {
            sheetBoxes.erase(onSheet);
            page.drawing.boxes.push_back({box.rect, Fill::None});
            continue;
        }
        if (render.isNull())
            render = pdfPage(printed.path, 100, keyPage);
        page.drawing.boxes.push_back({box.rect, fillSeen(render, box.rect)});
    }
    return page;
}

// The words of the last row of the ruling, left to right.
QString footerOn(const std::vector<PdfWord>& words, int page)
{
    QStringList footer;
    for (const PdfWord& word : words)
        if (word.page == page && word.box.center().y() * kTenthsPerMillimetre > kRuling.bottom() - kSquare)
            footer.append(word.text);
    return footer.join(QLatin1Char(' '));
}

bool hasText(const Drawing& drawing, const Rect& box, const std::string& text)
{
    return std::any_of(drawing.texts.begin(), drawing.texts.end(),
                       [&](const Text& item) { return item.box == box && item.text == text; });
}

// The darkest pixels of a page: ink, not the ruling's pale blue.
bool inked(QRgb pixel)
{
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 3 * 160;
}

// How high the ink of a square stands, as a share of the square: the grid
// lines' half millimetre at the top and bottom, where rules lie, left out.
double inkHeight(const QImage& render, const Point& corner, double pixelsPerTenth)
{
    const int left = static_cast<int>(std::ceil(corner.x * pixelsPerTenth));
    const int right = static_cast<int>((corner.x + kSquare) * pixelsPerTenth);
    const int top = static_cast<int>(std::ceil((corner.y + 5) * pixelsPerTenth));
    const int bottom = static_cast<int>((corner.y + kSquare - 5) * pixelsPerTenth);
    int first = -1;
    int last = -1;
    for (int y = top; y < bottom; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(render.constScanLine(y));
        for (int x = left; x < right; ++x)
            if (inked(line[x])) {
                first = first < 0 ? y : first;
                last = y;
            }
    }
    return first < 0 ? 0 : (last - first + 1) / (kSquare * pixelsPerTenth);
}

// Nothing is printed in the margins, and a digit's ink stands about a
// square high.
void expectInsideMarginsWithDigitsASquareHigh(const QString& path, const std::vector<PdfWord>& words, int page)
{
    const QImage render = pdfPage(path, 100, page);
    const double pixelsPerTenth = render.width() / static_cast<double>(kPageWidth);
    // One pixel of slack for the ruling's own edge lines.
    const QRect ruled = QRectF(kRuling.left * pixelsPerTenth, kRuling.top * pixelsPerTenth,
                               kRuling.width * pixelsPerTenth, kRuling.height * pixelsPerTenth)
                            .toAlignedRect()
                            .adjusted(-1, -1, 1, 1);
    long long outside = 0;
    for (int y = 0; y < render.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(render.constScanLine(y));
        for (int x = 0; x < render.width(); ++x)
            if (!ruled.contains(x, y) && line[x] != qRgb(255, 255, 255))
                ++outside;
    }
    EXPECT_EQ(outside, 0) << "ink in the margins of page " << page;

    int digits = 0;
    for (const Glyph& glyph : wordsOn(words, page).glyphs) {
        if (glyph.text.size() != 1 || !std::isdigit(static_cast<unsigned char>(glyph.text[0])))
            continue;
        ++digits;
        const double height = inkHeight(render, glyph.corner, pixelsPerTenth);
        EXPECT_TRUE(height > 0.5 && height < 0.9)
            << glyph.text << " at " << glyph.corner.x << "," << glyph.corner.y << " is " << height
            << " of a square high";
    }
    EXPECT_GT(digits, 0) << "page " << page;
}

TEST(SheetPdf, EveryExerciseIsOnTheSheetAndEveryAnswerInTheKeyInsideTheMargins)
{
    QTemporaryDir folder;
    for (const checks::FamilyRow& row : checks::families()) {
        const FamilySheet& family = familySheet(row.family);
        const int choices = family.choice ? static_cast<int>(family.choice->values.size()) : 1;
        for (int choice = 0; choice < choices; ++choice) {
            // A page and one more exercise: the last page of each part is
            // not full.
            const int perPage = exercisesPerPage(row.family, choice);
            const int count = std::min(perPage + 1, kMostExercises);
            const Printed printed = print({row.family, choice, count, 4711, true}, folder);
            SCOPED_TRACE(printed.path.toStdString());
            const int pages = (count + perPage - 1) / perPage;
            const PdfInfo info = pdfInfo(printed.path);
            EXPECT_EQ(info.pages, 2 * pages) << "the sheet's pages, then as many of the key";
            EXPECT_TRUE(info.pageSize.startsWith(QStringLiteral("595 x 842"))) << info.pageSize.toStdString();
            EXPECT_EQ(pdfImageCount(printed.path), 0) << "text stays text, lines stay lines";

            const std::vector<PdfWord> words = pdfWords(printed.path);
            for (int page = 1; page <= pages; ++page) {
                const int keyPage = pages + page;
                const QString numbering = QStringLiteral("pagina %1 di %2").arg(page).arg(pages);
                const QString footer = footerOn(words, page);
                EXPECT_TRUE(footer.startsWith(toQString(family.title)) && footer.endsWith(numbering) &&
                            footer.contains(QStringLiteral("esercizi %1 · seme 4711").arg(count)))
                    << footer.toStdString();
                EXPECT_TRUE(footerOn(words, keyPage).endsWith(QStringLiteral("Soluzioni · ") + numbering));

                const Drawing sheet = wordsOn(words, page);
                const Page key = keyPageRead(printed, words, keyPage, page);
                for (const Placement& placement : key.exercises) {
                    SCOPED_TRACE("exercise " + std::to_string(placement.number));
                    const Rect numberBox{placement.area.left, placement.area.top, kSquare, kSquare};
                    const std::string number = std::to_string(placement.number) + ".";
                    EXPECT_TRUE(hasText(sheet, numberBox, number) && hasText(key.drawing, numberBox, number));
                    row.check(reading::ExerciseOnPaper(key, placement), choice);
                }
                if (choice == 0) {
                    expectInsideMarginsWithDigitsASquareHigh(printed.path, words, page);
                    expectInsideMarginsWithDigitsASquareHigh(printed.path, words, keyPage);
                }
            }
        }
    }
}

}  // namespace
}  // namespace quillo::testing
