#include "ui/app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstdio>

namespace quillo {

namespace {

// Exit code of a command line Quillo does not understand, as for most tools.
constexpr int kUsageError = 2;

const QString kHint = QStringLiteral("Per l'elenco delle opzioni: quillo --help\n");

// The options every Qt program takes: QApplication removes them from argv
// itself, so they must not be taken for mistakes before it gets there.
QList<QCommandLineOption> qtOptions()
{
    QList<QCommandLineOption> options;
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style",
                             "stylesheet", "qmljsdebugger", "dialogs", "fontengine"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("valore"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.append(option);
    }
    for (const char* name : {"reverse", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.append(option);
    }
    return options;
}

QString helpText(const QString& version)
{
    return QStringLiteral(
               "Uso: quillo [opzioni]\n"
               "Quillo %1: esercizi di aritmetica per la classe quinta della scuola primaria.\n"
               "\n"
               "Opzioni:\n"
               "  -h, --help     mostra questo aiuto ed esce\n"
               "  -v, --version  mostra la versione ed esce\n"
               "\n"
               "Senza opzioni Quillo apre la sua finestra. Accetta anche le opzioni comuni\n"
               "dei programmi Qt, come -platform e -style.\n")
        .arg(version);
}

QString quoted(const QString& text) { return QStringLiteral("\u00AB") + text + QStringLiteral("\u00BB"); }

// The parser drops the dashes; the message shows the option as it was typed.
QString asTyped(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments) {
        const QString bare = argument.section(QLatin1Char('='), 0, 0);
        if (bare.startsWith(QLatin1Char('-')) && QString(bare).remove(QRegularExpression(QStringLiteral("^-+"))) == name)
            return bare;
    }
    return name;
}

CommandLine refused(const QString& why) { return {false, kUsageError, QString(), QStringLiteral("quillo: ") + why + QLatin1Char('\n') + kHint}; }

}  // namespace

CommandLine readCommandLine(const QStringList& arguments, const QString& version)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform), never bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, versionOption});
    parser.addOptions(qtOptions());

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return refused(QStringLiteral("opzione sconosciuta ") + quoted(asTyped(arguments, unknown.first())));
        }
        return refused(QStringLiteral("riga di comando non valida (") + parser.errorText() + QLatin1Char(')'));
    }
    if (!parser.positionalArguments().isEmpty())
        return refused(QStringLiteral("argomento inatteso ") + quoted(parser.positionalArguments().first()) + QStringLiteral(": Quillo non apre file"));
    if (parser.isSet(help))
        return {false, 0, helpText(version), QString()};
    if (parser.isSet(versionOption))
        return {false, 0, QStringLiteral("Quillo ") + version + QLatin1Char('\n'), QString()};
    return {};
}

CommandLine readCommandLine(int argc, char* argv[], const QString& version)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return readCommandLine(arguments, version);
}

int report(const CommandLine& line)
{
    std::fputs(line.output.toLocal8Bit().constData(), stdout);
    std::fputs(line.errors.toLocal8Bit().constData(), stderr);
    return line.exitCode;
}

}  // namespace quillo
