#include "ui/app/app_identity.h"
#include "ui/app/command_line.h"
#include "ui/app/sheet_file.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

// `quillo --scheda ...` as a teacher types it, from the words on the
// command line to the file in the folder, all in this process; the install
// test runs the installed program the same way without a display.
namespace quillo::testing {
namespace {

// Runs in a folder of its own, as the current folder, and leaves it after.
class InFolder {
public:
    InFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~InFolder() { QDir::setCurrent(previous_); }
    QString path(const QString& name) const { return folder_.filePath(name); }
    // Hidden files too: a draft left behind is a file like any other.
    QStringList files() const
    {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

private:
    QTemporaryDir folder_;
    QString previous_;
};

CommandLine run(const QStringList& words)
{
    const CommandLine line = readCommandLine(QStringList{QStringLiteral("quillo")} + words, QStringLiteral("1.0"));
    return line.sheet ? writeSheetFile(*line.sheet) : line;
}

QStringList split(const char* words)
{
    return QString::fromUtf8(words).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

TEST(SheetCommandLine, WithoutAFileNameTheSheetIsNamedAfterItsFamilyAndAFreshSeed)
{
    InFolder folder;
    const CommandLine first = run(split("--scheda confronto-decimali"));
    const CommandLine second = run(split("--scheda confronto-decimali"));
    ASSERT_EQ(first.exitCode + second.exitCode, 0) << first.errors.toStdString() << second.errors.toStdString();
    const QString name = first.output.trimmed();
    ASSERT_TRUE(name.startsWith(QStringLiteral("confronto-decimali-")) && name.endsWith(QStringLiteral(".pdf")))
        << name.toStdString();
    EXPECT_NE(name, second.output.trimmed()) << "a fresh seed each time";
    EXPECT_EQ(folder.files().size(), 2);
    const QString seed = name.section(QLatin1Char('-'), 2).chopped(4);
    const QString plain = pdfText(folder.path(name));
    EXPECT_TRUE(plain.contains(QStringLiteral("seme ") + seed)) << "the seed is printed: " << plain.toStdString();
    EXPECT_FALSE(plain.contains(QStringLiteral("Soluzioni"))) << "no key unless asked for";
    EXPECT_EQ(pdfInfo(folder.path(name)).pages, 1) << "one page of exercises by default";
}

TEST(SheetCommandLine, EveryMistakeIsOneItalianSentenceAndLeavesNoFile)
{
    struct Row {
        const char* words;
        int status;
        const char* says;
    };
    const Row rows[] = {
        {"--scheda addizione -o .", 1, "è una cartella"},
        {"--schede --bogus", 2, "--bogus"},
        // "-hv" read as -h -v would hide a typo; "-style" alone would swallow nothing.
        {"-hv", 2, "-hv"},
        {"-style", 2, "-style"},
    };
    InFolder folder;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.words);
        const CommandLine line = run(split(row.words));
        EXPECT_FALSE(line.startWindow);
        EXPECT_EQ(line.exitCode, row.status);
        EXPECT_TRUE(line.output.isEmpty());
        EXPECT_TRUE(line.errors.startsWith(QStringLiteral("quillo: ")) &&
                    line.errors.contains(QString::fromUtf8(row.says)))
            << line.errors.toStdString();
        EXPECT_EQ(line.errors.count(QLatin1Char('\n')), row.status == 2 ? 2 : 1) << "one sentence, and the hint for --help";
        EXPECT_TRUE(folder.files().isEmpty());
    }
}

TEST(SheetCommandLine, HelpNamesEveryFamilyAndOptionAndTheWindowsOpenWithQtsOwnOptions)
{
    for (const char* words : {"--help", "--scheda addizione --help"}) {
        const CommandLine help = run(split(words));
        EXPECT_EQ(help.exitCode, 0);
        for (const char* name :
             {"--scheda", "--schede", "divisione", "moltiplicazione", "addizione", "sottrazione", "concetto-frazione",
              "tipi-frazione", "frazioni-decimali", "confronto-frazioni", "valore-posizione", "confronto-decimali",
              "--addendi 2|3", "--moltiplicatore 2|3|zeri", "--cifre 2|3|4|5|6", "--esercizi", "--seme",
              "--soluzioni", "-o FILE", "--sovrascrivi"})
            EXPECT_TRUE(help.output.contains(QString::fromUtf8(name))) << words << ": " << name;
        for (const QString& line : help.output.split(QLatin1Char('\n')))
            EXPECT_LE(line.size(), 80) << "fits a terminal: " << line.toStdString();
    }

    // The pupils' program opens by default, Qt's own options let through.
    for (const char* words : {"", "-platform offscreen", "--style=Fusion -reverse", "-qwindowtitle Quinta", "--schede"}) {
        const CommandLine line = run(split(words));
        EXPECT_TRUE(line.startWindow && !line.sheet) << words << ": " << line.errors.toStdString();
        EXPECT_EQ(line.sheetsWindow, words == std::string("--schede")) << words;
        EXPECT_TRUE(line.output.isEmpty() && line.errors.isEmpty());
    }

    const QList<QSize> sizes = applicationIcon().availableSizes();
    for (int side : {16, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << "an application icon of " << side;
}

}  // namespace
}  // namespace quillo::testing
