// SPDX-License-Identifier: MIT
// kestrin-readme: makes the ReadMe of an article from its article file, byte
// for byte what Kestrin Editor's Create writes for the same form, and writes
// it to standard output or to a file.
//
// Exit status: 0 written; 1 not written (a character the code page cannot
// hold, or the write failed); 2 bad input or usage. Nothing is written
// unless everything before the write succeeded.

#include "article.h"
#include "articleproposals.h"
#include "articlereader.h"
#include "articlewriter.h"
#include "atomicfileservice.h"
#include "codepage.h"
#include "commandline.h"
#include "console.h"
#include "fileservice.h"
#include "importer.h"
#include "officialsource.h"
#include "plaintextrenderer.h"
#include "readmeformats.h"
#include "translator.h"

#include <kestrin/version.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kestrin;

namespace {

// The context of the messages the tool writes while it works.
struct ReadmeTool {
    Q_DECLARE_TR_FUNCTIONS(ReadmeTool)
};

const QString &kProgram = kReadmeProgram;
// Characters named when the code page cannot hold the text.
constexpr qsizetype kShownUnmappable = 20;

void complain(const QString &message)
{
    // Whatever the message quotes from the input, no control character
    // reaches the terminal.
    cli::printText(stderr, escapeControlCharacters(message) + QLatin1Char('\n'));
}

// A usage or program-level problem (no place in a file).
void complainAsProgram(const QString &message)
{
    complain(kProgram + QStringLiteral(": ") + message);
}

struct Encoding {
    TextEncoder encoder = TextEncoder::utf8(false);
    QString name;
};

std::optional<Encoding> encodingByName(const QString &name, bool replace)
{
    const QString n = name.toLower();
    if (n == QLatin1String("ansi")) {
        const int cp = systemAnsiCodePage();
        return Encoding{TextEncoder::codePage(cp, replace), codePageName(cp)};
    }
    if (n == QLatin1String("utf-8"))
        return Encoding{TextEncoder::utf8(false), n};
    if (n == QLatin1String("utf-8-bom"))
        return Encoding{TextEncoder::utf8(true), n};
    for (int cp = 1250; cp <= 1258; ++cp) {
        if (n == codePageName(cp))
            return Encoding{TextEncoder::codePage(cp, replace), n};
    }
    return std::nullopt;
}

using Options = CommandLineOptions;

bool isStandardStream(const QString &path)
{
    return path.isEmpty() || path == QLatin1String("-");
}

#ifdef Q_OS_UNIX
// The regular file that a path names, or that a standard stream is when the
// path is "-" (or no path).
std::optional<struct stat> regularFile(const QString &path, int stream)
{
    struct stat st {};
    const int status = isStandardStream(path) ? ::fstat(stream, &st) : ::stat(QFile::encodeName(path).constData(), &st);
    if (status != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return st;
}
#endif

// The output is the article file itself, under any name, through a link or
// through a standard stream: writing would destroy it.
bool outputIsArticle(const Options &options)
{
#ifdef Q_OS_UNIX
    const std::optional<struct stat> article = regularFile(options.articlePath, STDIN_FILENO);
    const std::optional<struct stat> output = regularFile(options.outputPath, STDOUT_FILENO);
    return article && output && article->st_dev == output->st_dev && article->st_ino == output->st_ino;
#else
    if (isStandardStream(options.articlePath) || isStandardStream(options.outputPath))
        return false;
    const QFileInfo article(options.articlePath);
    const QFileInfo output(options.outputPath);
    return output.exists() && article.canonicalFilePath() == output.canonicalFilePath();
#endif
}

// Reads and checks the article file; nullopt when it could not be read at
// all (the reason is reported).
std::optional<ArticleReadResult> readSource(const Options &options)
{
    ArticleFileRead read = readArticleFile(options.articlePath, options.overrides);
    if (!read.readable) {
        complain(ReadmeTool::tr("%1: cannot read the article file: %2").arg(options.articlePath, read.error));
        return std::nullopt;
    }
    return std::move(read.result);
}

void reportProblems(const Options &options, const QList<ArticleProblem> &problems, qsizetype unlisted)
{
    const QString file = options.articlePath == QLatin1String("-") ? QStringLiteral("<stdin>") : options.articlePath;
    for (const ArticleProblem &p : problems) {
        if (p.overrideIndex >= 0) {
            complainAsProgram(
                QStringLiteral("%1 %2: %3")
                    .arg(options.overrideOptions[p.overrideIndex], options.overrides[p.overrideIndex].key, p.message));
        } else if (p.line > 0) {
            complain(QStringLiteral("%1:%2:%3: %4")
                         .arg(file, QString::number(p.line), QString::number(p.column), p.message));
        } else {
            complain(QStringLiteral("%1: %2").arg(file, p.message));
        }
    }
    if (unlisted > 0)
        complain(ReadmeTool::tr("%1: and %2 more problems").arg(file, QString::number(unlisted)));
}

// Names every character the code page cannot hold, with its place in the
// ReadMe; false when there is one.
bool checkEncodable(const Encoding &encoding, const QString &text)
{
    const TextEncoder &encoder = encoding.encoder;
    if (encoder.kind() != TextEncoder::Kind::CodePage || encoder.replacesUnmappable() || encoder.canEncode(text))
        return true;
    const QList<UnmappableChar> found = encoder.unmappable(text, kShownUnmappable + 1);
    complainAsProgram(ReadmeTool::tr("the ReadMe holds characters that %1 cannot hold:").arg(encoding.name));
    for (qsizetype i = 0; i < std::min(found.size(), kShownUnmappable); ++i) {
        complain(ReadmeTool::tr("  line %1, column %2: %3")
                     .arg(QString::number(found[i].line), QString::number(found[i].column),
                          describeCharacter(found[i].codePoint, GlyphPlace::Last)));
    }
    if (found.size() > kShownUnmappable)
        complain(ReadmeTool::tr("  and more"));
    complainAsProgram(ReadmeTool::tr("nothing was written; choose another --encoding (such as utf-8), "
                                     "or --replace to write \"?\" in their place"));
    return false;
}

int writeBytesToStandardOutput(const QByteArray &bytes);

// Help and version: text for a person, shown as the system's console shows
// text, otherwise written as bytes.
int writeTextToStandardOutput(const QString &text)
{
    if (cli::isConsole(stdout)) {
        cli::printText(stdout, text);
        return kExitWritten;
    }
    return writeBytesToStandardOutput(cli::streamBytes(text));
}

int writeBytesToStandardOutput(const QByteArray &bytes)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered) || out.write(bytes) != bytes.size()
        || !out.flush()) {
        complainAsProgram(ReadmeTool::tr("cannot write to standard output: %1").arg(out.errorString()));
        return kExitNotWritten;
    }
    return kExitWritten;
}

int writeStandardOutput(const Encoding &encoding, const QString &text)
{
    QByteArray bytes = encoding.encoder.encode(text);
    bytes.append("\r\n", 2);
    return writeBytesToStandardOutput(bytes);
}

// BBCode or Markdown: UTF-8 bytes, written as they are.
int writeExport(const Options &options, const Article &article)
{
    const ReadmeModel model = readmeModel(article);
    if (isStandardStream(options.outputPath)) {
        return writeBytesToStandardOutput(renderReadmeUtf8(model, options.format));
    }
    // Written chunk by chunk as it is rendered: a large export is never
    // whole in memory.
    AtomicTextFileService files;
    files.setWaitForPipeReader(true); // as a shell's redirection waits
    const SaveResult saved = files.writeStream(options.outputPath, [&](const ByteFileService::ByteWriter &write) {
        renderReadmeUtf8(model, options.format, write);
    });
    if (!saved.ok) {
        complainAsProgram(ReadmeTool::tr("cannot write %1: %2").arg(quoted(options.outputPath), saved.error));
        return kExitNotWritten;
    }
    return kExitWritten;
}

// Takes the proposals of --import on top of the article; the notes, and
// which list said what is official, go to standard error. False when
// nothing could be read.
bool takeImport(const Options &options, Article &article)
{
    const import::OfficialAddons official = import::resolveOfficialAddons(options.gamePath);
    const import::ImportResult result = import::importArticle(options.importPath, official);
    for (const import::ImportNote &note : result.notes)
        complain(ReadmeTool::tr("%1: note: %2").arg(options.importPath, note.display()));
    if (!result.readSomething()) {
        complainAsProgram(ReadmeTool::tr("nothing could be read from %1").arg(quoted(options.importPath)));
        return false;
    }
    complain(ReadmeTool::tr("%1: %2").arg(options.importPath, result.official));
    article = import::applyProposals(article, result, import::allFields(result));
    return true;
}

// --import-only: the merged article as an article file.
int writeArticle(const Options &options, const Article &article)
{
    const QByteArray json = writeArticleJson(article);
    if (isStandardStream(options.outputPath))
        return writeBytesToStandardOutput(json);
    AtomicTextFileService files;
    files.setWaitForPipeReader(true);
    const SaveResult saved = files.writeBytes(options.outputPath, json);
    if (!saved.ok) {
        complainAsProgram(ReadmeTool::tr("cannot write %1: %2").arg(quoted(options.outputPath), saved.error));
        return kExitNotWritten;
    }
    return kExitWritten;
}

// The output would overwrite the article file: says so.
bool refuseToOverwriteArticle(const Options &options)
{
    if (options.articlePath.isEmpty() || !outputIsArticle(options))
        return false;
    if (isStandardStream(options.outputPath))
        complainAsProgram(ReadmeTool::tr("standard output is the article file itself; nothing was written"));
    else
        complainAsProgram(ReadmeTool::tr("the output file %1 is the article file itself; nothing was written")
                              .arg(quoted(options.outputPath)));
    return true;
}

// The article of the article file (if any) with the import on top; false
// when either could not be read (the reason is reported).
bool takeArticle(const Options &options, Article &article)
{
    if (!options.articlePath.isEmpty()) {
        const std::optional<ArticleReadResult> source = readSource(options);
        if (!source)
            return false;
        if (!source->ok()) {
            reportProblems(options, source->problems, source->unlistedProblems);
            return false;
        }
        article = source->article;
    }
    return options.importPath.isEmpty() || takeImport(options, article);
}

// The plain-text ReadMe in the chosen encoding, to the output.
int writePlainText(const Options &options, const Encoding &encoding, const Article &article)
{
    const QString text = plainText(readmeModel(article));
    if (!checkEncodable(encoding, text))
        return kExitNotWritten;
    if (isStandardStream(options.outputPath))
        return writeStandardOutput(encoding, text);
    AtomicTextFileService files;
    files.setWaitForPipeReader(true); // as a shell's redirection waits
    const SaveResult saved = files.writeLine(options.outputPath, text, encoding.encoder);
    if (!saved.ok) {
        complainAsProgram(ReadmeTool::tr("cannot write %1: %2")
                              .arg(quoted(options.outputPath),
                                   saved.unmappable ? ReadmeTool::tr("a character cannot be encoded") : saved.error));
        return kExitNotWritten;
    }
    return kExitWritten;
}

int run(const QStringList &arguments)
{
    const CommandLine line = parseCommandLine(arguments);
    if (line.exitStatus) {
        if (!line.error.isEmpty()) {
            complain(line.error);
            return *line.exitStatus;
        }
        // Help and version that cannot be written (a full disk, a closed
        // pipe) end with exit status 1, like the ReadMe.
        return writeTextToStandardOutput(line.output);
    }
    const Options &options = line.options;

    const std::optional<Encoding> encoding = encodingByName(options.encoding, options.replace);
    if (!encoding) {
        complainAsProgram(ReadmeTool::tr("unknown encoding %1; the encodings are ansi, windows-1250 to "
                                         "windows-1258, utf-8 and utf-8-bom")
                              .arg(quoted(options.encoding)));
        return kExitBadInput;
    }
    if (refuseToOverwriteArticle(options))
        return kExitBadInput;

    Article article;
    if (!takeArticle(options, article))
        return kExitBadInput;
    if (options.importOnly)
        return writeArticle(options, article);
    if (options.format != ReadmeFormat::PlainText)
        return writeExport(options, article);
    return writePlainText(options, *encoding, article);
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // A file-size limit makes the write fail with a message and exit status 1
    // instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef SIGPIPE
    // So does a reader that goes away (`kestrin-readme a.json | head`).
    std::signal(SIGPIPE, SIG_IGN);
#endif
    cli::prepareStandardStreams();
    QCoreApplication app(argc, argv);
    // Messages in the user's language; the ReadMe itself stays English.
    installTranslations(app);
    QCoreApplication::setApplicationName(kProgram);
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRIN_VERSION));
    return run(QCoreApplication::arguments());
}
