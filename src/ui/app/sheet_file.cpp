#include "ui/app/sheet_file.h"

#include "ui/print/sheet_job.h"
#include "ui/toolkit/printing.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace quillo {

namespace {

// Exit status of a file that cannot be written, as for most tools.
constexpr int kCannotWrite = 1;

QString quoted(const QString& text)
{
    return QStringLiteral("\u00AB") + QDir::toNativeSeparators(text) + QStringLiteral("\u00BB");
}

CommandLine failed(const QString& why)
{
    return {.startWindow = false, .exitCode = kCannotWrite, .errors = QStringLiteral("quillo: ") + why + QLatin1Char('\n')};
}

}  // namespace

CommandLine writeSheetFile(const sheets::SheetCommand& command)
{
    const bool named = !command.output.empty();
    const QString path = named ? QString::fromStdString(command.output) : sheetFileName(command.request);
    const QFileInfo target(path);
    // The folder as the teacher wrote it, for the messages.
    const QString folder = target.path();
    if (target.isDir())
        return failed(quoted(path) + QStringLiteral(" è una cartella: dopo -o va il nome del file PDF da scrivere"));
    if (target.exists() && !command.overwrite)
        return failed(QStringLiteral("il file %1 esiste già: per sostituirlo si aggiunge --sovrascrivi").arg(quoted(path)));
    if (target.exists() && !target.isWritable())
        return failed(QStringLiteral("il file %1 è protetto dalla scrittura e resta com'era").arg(quoted(path)));
    if (!QFileInfo(folder).isDir())
        return failed(QStringLiteral("impossibile scrivere %1: la cartella %2 non esiste").arg(quoted(path), quoted(folder)));
    if (!writePdf(sheetJob(command.request), path)) {
        if (!QFileInfo(folder).isWritable())
            return failed(QStringLiteral("impossibile scrivere %1: non si può scrivere nella cartella %2")
                              .arg(quoted(path), quoted(folder)));
        return failed(QStringLiteral("impossibile scrivere %1").arg(quoted(path)));
    }
    return {.startWindow = false, .output = named ? QString() : path + QLatin1Char('\n')};
}

int writeSheetWithoutDisplay(const sheets::SheetCommand& command, char* program)
{
    // Qt's notes on a desktop it does not need here (no runtime folder on a
    // server, say) are not the teacher's business: the one message on
    // stderr is the program's own. Qt's errors still get through.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    // Qt draws the text with the installed fonts on any platform; the
    // offscreen one needs no display. Qt sees no other argument, so none of
    // the sheet's can be taken for one of its own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char* argv[] = {program, nullptr};
    const QGuiApplication app(argc, argv);
    return report(writeSheetFile(command));
}

}  // namespace quillo
