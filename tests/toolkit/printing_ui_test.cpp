#include "ui/toolkit/printing.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace quillo {
namespace {

TEST(Printing, WritesTheImageOnAPagedDevice)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("page.pdf"));
    QImage image(951, 687, QImage::Format_RGB32);
    image.fill(Qt::blue);
    {
        QPdfWriter writer(file);
        writer.setPageOrientation(QPageLayout::Landscape);
        EXPECT_TRUE(printImage(image, writer));
    }
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);

    QPdfWriter unused(folder.filePath(QStringLiteral("empty.pdf")));
    EXPECT_FALSE(printImage(QImage(), unused)) << "nothing to print is not a success";
}

}  // namespace
}  // namespace quillo
