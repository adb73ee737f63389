#include "ui/app/app_identity.h"
#include "ui/app/command_line.h"

#include <gtest/gtest.h>

#include <QSize>

namespace quillo {
namespace {

CommandLine read(const QStringList& options) { return readCommandLine(QStringList{QStringLiteral("quillo")} + options, QStringLiteral("1.0")); }

// What the installed program prints for --help, --version and mistakes is
// checked by the install test; here, what must still reach the window.
TEST(CommandLine, StartsTheWindowWithNoOptionsOrWithQtsOwn)
{
    for (const QStringList& options : {QStringList{},
                                       QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")},
                                       QStringList{QStringLiteral("--style=Fusion"), QStringLiteral("-reverse")},
                                       QStringList{QStringLiteral("-qwindowtitle"), QStringLiteral("Quinta B")}}) {
        const CommandLine line = read(options);
        EXPECT_TRUE(line.startWindow) << options.join(QLatin1Char(' ')).toStdString() << ": " << line.errors.toStdString();
        EXPECT_TRUE(line.output.isEmpty() && line.errors.isEmpty());
    }
}

TEST(CommandLine, NeitherBundlesLettersNorTakesAQtOptionWithoutItsValue)
{
    // "-hv" read as -h -v would hide a typo; "-style" alone would swallow nothing.
    for (const QStringList& options : {QStringList{QStringLiteral("-hv")}, QStringList{QStringLiteral("-style")}}) {
        const CommandLine line = read(options);
        EXPECT_FALSE(line.startWindow);
        EXPECT_EQ(line.exitCode, 2);
        EXPECT_TRUE(line.output.isEmpty());
        EXPECT_TRUE(line.errors.startsWith(QStringLiteral("quillo: "))) << line.errors.toStdString();
    }
}

TEST(ApplicationIcon, OffersEveryRenderedSize)
{
    const QList<QSize> sizes = applicationIcon().availableSizes();
    for (int side : {16, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

}  // namespace
}  // namespace quillo
