#include "ui/app/command_line.h"

#include "core/sheets/family_sheet.h"
#include "core/sheets/sheet_request.h"
#include "ui/toolkit/look.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
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

// Words in a list, "a, b, c", broken into indented lines a terminal shows whole.
QString wrappedList(const QStringList& words)
{
    constexpr qsizetype kWidth = 79;
    const QString indent(6, QLatin1Char(' '));
    QStringList lines{indent};
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString word = words[i] + (i + 1 < words.size() ? QStringLiteral(",") : QString());
        if (lines.last().size() == indent.size())
            lines.last() += word;
        else if (lines.last().size() + 1 + word.size() > kWidth)
            lines.append(indent + word);
        else
            lines.last() += QLatin1Char(' ') + word;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// The families and the choices of each, as the worksheet options spell them.
QString sheetOptionsHelp()
{
    QStringList families;
    QString choices;
    for (ExerciseFamily family : kAllFamilies) {
        const sheets::FamilySheet& sheet = sheets::familySheet(family);
        families.append(toQString(sheet.name));
        if (!sheet.choice)
            continue;
        QStringList values;
        for (std::string_view value : sheet.choice->values)
            values.append(toQString(value));
        choices += QStringLiteral("  %1 %2\n      solo per la scheda %3; senza, %4\n")
                       .arg(toQString(sheet.choice->option), values.join(QLatin1Char('|')), toQString(sheet.name),
                            values.first());
    }
    return QStringLiteral(
               "Schede per la classe, scritte in un file PDF senza aprire finestre:\n"
               "  --scheda NOME   la scheda da preparare, una tra:\n"
               "%1"
               "%2"
               "  --esercizi N    quanti esercizi, da 1 a %3; senza, una pagina\n"
               "  --seme N        il seme degli esercizi, da 0 a %4; senza, uno nuovo.\n"
               "      Lo stesso seme rid\u00E0 la stessa scheda; \u00E8 stampato a pi\u00E8 di pagina\n"
               "  --soluzioni     dopo la scheda, le sue soluzioni\n"
               "  -o FILE         il file PDF da scrivere; senza, NOME-SEME.pdf\n"
               "      nella cartella corrente\n"
               "  --sovrascrivi   sostituisce il file se esiste gi\u00E0\n")
        .arg(wrappedList(families), choices)
        .arg(sheets::kMostExercises)
        .arg(kLargestSeed);
}

QString helpText(const QString& version)
{
    return QStringLiteral(
               "Uso: quillo [opzioni]\n"
               "     quillo --schede\n"
               "     quillo --scheda NOME [opzioni della scheda] [-o FILE]\n"
               "Quillo %1: esercizi di aritmetica per la classe quinta della scuola primaria.\n"
               "\n"
               "Opzioni:\n"
               "  -h, --help     mostra questo aiuto ed esce\n"
               "  -v, --version  mostra la versione ed esce\n"
               "  --schede       apre la finestra \"Schede per la classe\" dell'insegnante\n"
               "\n"
               "%2"
               "\n"
               "Esempio:\n"
               "  quillo --scheda divisione --cifre 4 --esercizi 12 --seme 4711 --soluzioni \\\n"
               "         -o divisioni.pdf\n"
               "\n"
               "Senza opzioni Quillo apre la sua finestra. Accetta anche le opzioni comuni\n"
               "dei programmi Qt, come -platform e -style.\n")
        .arg(version, sheetOptionsHelp());
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

CommandLine refused(const QString& why)
{
    return {.startWindow = false, .exitCode = kUsageError, .errors = QStringLiteral("quillo: ") + why + QLatin1Char('\n') + kHint};
}

// A worksheet to write: every word after the program's name belongs to it.
bool asksForASheet(const QStringList& arguments)
{
    const QStringList words = arguments.mid(1);
    return std::any_of(words.begin(), words.end(), [](const QString& word) {
        return word == QStringLiteral("--scheda") || word.startsWith(QStringLiteral("--scheda="));
    });
}

CommandLine readSheetCommand(const QStringList& arguments, const QString& version)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help"))
            return {.startWindow = false, .output = helpText(version)};
    }
    std::vector<std::string> words;
    for (const QString& argument : arguments.mid(1))
        words.push_back(argument.toStdString());
    const auto parsed = sheets::parseSheetCommand(words, freshSeed());
    if (const auto* error = std::get_if<sheets::SheetError>(&parsed))
        return refused(toQString(error->message));
    return {.startWindow = false, .sheet = std::get<sheets::SheetCommand>(parsed)};
}

}  // namespace

CommandLine readCommandLine(const QStringList& arguments, const QString& version)
{
    if (asksForASheet(arguments))
        return readSheetCommand(arguments, version);

    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform), never bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption sheetsWindow(QStringLiteral("schede"));
    parser.addOptions({help, versionOption, sheetsWindow});
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
        return {.startWindow = false, .output = helpText(version)};
    if (parser.isSet(versionOption))
        return {.startWindow = false, .output = QStringLiteral("Quillo ") + version + QLatin1Char('\n')};
    CommandLine line;
    line.sheetsWindow = parser.isSet(sheetsWindow);
    return line;
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
