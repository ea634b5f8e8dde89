// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "articlefields.h"
#include "codepage.h"

#include <kestrin/version.h>

#include <QCommandLineParser>
#include <QCoreApplication>

namespace kestrin {

namespace {

const QString &kProgram = kReadmeProgram;

// The items joined by ", " in lines of at most width characters.
QString wrapped(const QStringList &items, qsizetype width, const QString &indent)
{
    QString out;
    QString line;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString item = items[i] + (i + 1 < items.size() ? QStringLiteral(",") : QString());
        if (!line.isEmpty() && indent.size() + line.size() + 1 + item.size() > width) {
            out += line + QLatin1Char('\n') + indent;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + item;
    }
    return out + line;
}

} // namespace

// Reads kestrin-readme's options one group at a time; each step returns
// false once the command line is settled (help, version or a usage problem).
class CommandLineParser {
    Q_DECLARE_TR_FUNCTIONS(CommandLineParser)

public:
    explicit CommandLineParser(const QStringList &arguments);
    CommandLine parse();

private:
    static QString helpText();
    bool parseArguments();
    bool showHelpOrVersion();
    bool parseImport();
    bool parseFiles();
    bool parseFormat();
    bool parseOverrides();
    bool fail(const QString &message)
    {
        line.error = kProgram + QStringLiteral(": ") + message;
        line.exitStatus = kExitBadInput;
        return false;
    }

    const QStringList &arguments;
    CommandLine line;
    CommandLineOptions &options = line.options;
    QCommandLineParser parser;
    const QCommandLineOption output{QStringList{QStringLiteral("o"), QStringLiteral("output")}, QString(),
                                    QStringLiteral("FILE")};
    const QCommandLineOption set{QStringLiteral("set"), QString(), QStringLiteral("KEY=VALUE")};
    const QCommandLineOption unset{QStringLiteral("unset"), QString(), QStringLiteral("KEY")};
    const QCommandLineOption encoding{QStringLiteral("encoding"), QString(), QStringLiteral("ENCODING")};
    const QCommandLineOption format{QStringLiteral("format"), QString(), QStringLiteral("FORMAT")};
    const QCommandLineOption replace{QStringList{QStringLiteral("replace")}};
    const QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    const QCommandLineOption version{QStringList{QStringLiteral("version")}};
    const QCommandLineOption import{QStringLiteral("import"), QString(), QStringLiteral("PATH")};
    const QCommandLineOption importOnly{QStringList{QStringLiteral("import-only")}};
    const QCommandLineOption game{QStringLiteral("game"), QString(), QStringLiteral("PATH")};
};

QString CommandLineParser::helpText()
{
    QStringList keys;
    for (const QString &key : articleKeys()) {
        if (key != QLatin1String("$schema") && key != QLatin1String("formatVersion") && key != QLatin1String("contacts")
            && key != QLatin1String("installation"))
            keys << key;
    }
    return CommandLineParser::tr("Usage: kestrin-readme [OPTION]... ARTICLE.json\n"
                                 "Makes the ReadMe of the article in ARTICLE.json, exactly as Kestrin Editor's\n"
                                 "Create writes it, and writes it to standard output. ARTICLE.json may be \"-\"\n"
                                 "to read the article from standard input.\n"
                                 "\n"
                                 "Options:\n"
                                 "  -o, --output FILE    write the ReadMe to FILE instead; FILE is replaced only\n"
                                 "                       once the whole ReadMe is written (\"-\": standard output)\n"
                                 "  --set KEY=VALUE      use VALUE for KEY instead of the file's value, e.g.\n"
                                 "                       --set version=1.3 (may be given several times)\n"
                                 "  --unset KEY          leave KEY out, as if the file did not have it\n"
                                 "  --format FORMAT      text (the ReadMe, the default), bbcode (a forum post)\n"
                                 "                       or markdown (a README.md); bbcode and markdown are\n"
                                 "                       always UTF-8\n"
                                 "  --encoding ENCODING  ansi, windows-1250 to windows-1258, utf-8 or utf-8-bom\n"
                                 "                       (default ansi: the locale's code page, here %1);\n"
                                 "                       text only\n"
                                 "  --replace            write \"?\" for characters the code page cannot hold,\n"
                                 "                       instead of failing\n"
                                 "  -h, --help           show this help and exit\n"
                                 "  --version            show the version and exit\n"
                                 "\n"
                                 "Keys for --set and --unset:\n"
                                 "  %2\n"
                                 "\n"
                                 "Exit status: 0 when the ReadMe was written; 1 when it was not (characters\n"
                                 "the code page cannot hold, or the write failed); 2 for bad input or usage.\n")
               .arg(codePageName(systemAnsiCodePage()), wrapped(keys, 76, QStringLiteral("  ")))
           + QLatin1Char('\n')
           + CommandLineParser::tr("Import from a mission, addon or Mod (ARTICLE.json may then be left out):\n"
                                   "  --import PATH        take the name, author(s), web address, required game\n"
                                   "                       version and required addons found in PATH (a mission\n"
                                   "                       folder or .pbo, an addon folder or .pbo, a Mod folder)\n"
                                   "                       on top of the article; what could not be read is told\n"
                                   "                       on standard error; exit status 2 when nothing could be\n"
                                   "                       read\n"
                                   "  --import-only        write the merged article (JSON) instead of the ReadMe\n"
                                   "  --game PATH          the game installation whose addons count as official\n"
                                   "                       (default: the one set in the window, else the one found\n"
                                   "                       on this computer, else the list shipped with the editor)\n");
}

CommandLineParser::CommandLineParser(const QStringList &arguments)
    : arguments(arguments)
{
    parser.addOptions({output, set, unset, encoding, replace, help, version, format, import, importOnly, game});
}

CommandLine CommandLineParser::parse()
{
    // Each step runs only while the ones before left the line unsettled.
    (void)(parseArguments() && showHelpOrVersion() && parseImport() && parseFiles() && parseFormat()
           && parseOverrides());
    return line;
}

bool CommandLineParser::parseArguments()
{
    if (parser.parse(arguments))
        return true;
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString &name = unknown.first();
        return fail(tr("unknown option %1 (see --help)")
                        .arg(quoted((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name)));
    }
    // The only other failure: an option that takes a value came last.
    return fail(tr("option %1 needs a value (see --help)").arg(quoted(arguments.last())));
}

bool CommandLineParser::showHelpOrVersion()
{
    if (parser.isSet(help))
        line.output = helpText();
    else if (parser.isSet(version))
        line.output = kProgram + QStringLiteral(" ") + QStringLiteral(KESTRIN_VERSION) + QLatin1Char('\n');
    else
        return true;
    line.exitStatus = kExitWritten;
    return false;
}

bool CommandLineParser::parseImport()
{
    options.importPath = parser.value(import);
    options.importOnly = parser.isSet(importOnly);
    options.gamePath = parser.value(game);
    if ((parser.isSet(import) && options.importPath.isEmpty()) || (parser.isSet(game) && options.gamePath.isEmpty()))
        return fail(tr("options \"--import\" and \"--game\" need a path"));
    if (options.importPath.isEmpty() && (options.importOnly || !options.gamePath.isEmpty()))
        return fail(tr("options \"--import-only\" and \"--game\" need \"--import\""));
    return true;
}

bool CommandLineParser::parseFiles()
{
    // Without an article file, --import proposes on the empty article.
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() && options.importPath.isEmpty())
        return fail(tr("no article file given (see --help)"));
    if (positional.size() > 1)
        return fail(tr("one article file expected, but %1 were given (see --help)").arg(positional.size()));
    options.articlePath = positional.value(0);
    options.outputPath = parser.value(output);
    if (parser.isSet(output) && options.outputPath.isEmpty())
        return fail(tr("option \"--output\" needs a file name (\"-\" for standard output)"));
    return true;
}

// --format, and the encoding options that only the plain text has.
bool CommandLineParser::parseFormat()
{
    if (parser.isSet(encoding))
        options.encoding = parser.value(encoding);
    options.replace = parser.isSet(replace);
    if (!parser.isSet(format))
        return true;
    const std::optional<ReadmeFormat> chosen = formatByKey(parser.value(format));
    if (!chosen)
        return fail(
            tr("unknown format %1; the formats are text, bbcode and markdown").arg(quoted(parser.value(format))));
    options.format = *chosen;
    if (options.format == ReadmeFormat::PlainText)
        return true;
    for (const QCommandLineOption *option : {&encoding, &replace}) {
        if (parser.isSet(*option)) {
            return fail(
                tr("option %1 applies to --format text only; %2 is always written in UTF-8")
                    .arg(quoted(QStringLiteral("--") + option->names().constFirst()), formatKey(options.format)));
        }
    }
    return true;
}

// --set and --unset apply in the order they were given.
bool CommandLineParser::parseOverrides()
{
    QStringList setValues = parser.values(set);
    QStringList unsetValues = parser.values(unset);
    for (const QString &name : parser.optionNames()) {
        if (name == QLatin1String("set")) {
            const QString assignment = setValues.takeFirst();
            const qsizetype eq = assignment.indexOf(QLatin1Char('='));
            if (eq <= 0)
                return fail(tr("--set %1 is not of the form KEY=VALUE").arg(quoted(assignment)));
            options.overrides.append({assignment.left(eq), assignment.mid(eq + 1)});
            options.overrideOptions << QStringLiteral("--set");
        } else if (name == QLatin1String("unset")) {
            options.overrides.append({unsetValues.takeFirst(), std::nullopt});
            options.overrideOptions << QStringLiteral("--unset");
        }
    }
    return true;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    return CommandLineParser(arguments).parse();
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace kestrin
