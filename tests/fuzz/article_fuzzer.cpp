// SPDX-License-Identifier: MIT
// Fuzz target: the article-file reader with --set and --unset overrides, as
// kestrin-readme uses it. The input is the file, optionally followed by a
// line "%%" and one override per line: "KEY=VALUE" as --set gives it (a
// "\n" in VALUE stands for a line break) or "-KEY" for --unset. Lines that
// kestrin-readme would refuse as usage errors (no "=" or an empty key) are
// left out. Checked:
//   - every problem names a real override or none, with a place in the
//     file (line and column both set) or none; problems beyond the listed
//     ones are only counted once the list is full; a newer format version
//     is the one problem;
//   - what is accepted is JSON that Qt's (more lenient) reader accepts too;
//   - a valid article written with writeArticleJson reads back unchanged,
//     and writes to the same bytes again;
//   - applied to a loaded form it reads back from the form unchanged (a
//     missing installation as the form's SP mission, which the document
//     knows for the start state's), also when applied again over a form
//     that holds another article;
//   - Create's text for that form is the article's own ReadMe, ends with
//     the footer, and encodes as the program writes it.

#include "fuzzsupport.h"

#include "article.h"
#include "articleform.h"
#include "articlereader.h"
#include "articlewriter.h"
#include "codepage.h"
#include "memoryform.h"
#include "plaintextrenderer.h"
#include "readmedocument.h"
#include "templates.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

using namespace kestrin;
using kestrin::fuzz::isWellFormed;

namespace {

constexpr qsizetype kMaxOverrides = 16;

QList<ArticleOverride> parseOverrides(QByteArrayView lines)
{
    QList<ArticleOverride> overrides;
    const QList<QByteArray> parts = lines.toByteArray().split('\n');
    for (const QByteArray &line : parts) {
        if (overrides.size() == kMaxOverrides)
            break;
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(QLatin1Char('-'))) {
            overrides.append({text.mid(1), std::nullopt});
            continue;
        }
        const qsizetype eq = text.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        QString value = text.mid(eq + 1);
        value.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        overrides.append({text.left(eq), value});
    }
    return overrides;
}

// The article as a loaded form holds it once applied.
Article asOnTheForm(Article article)
{
    if (!article.installation)
        article.installation = InstallationKind::SPMission;
    return article;
}

// Nobody to ask and nowhere to save: the document only fills the form.
class NoMessages : public MessageBoxService {
public:
    MessageAnswer show(const MessageRequest &) override { return MessageAnswer::Cancel; }
};
class NoDialog : public SaveDialogService {
public:
    void setFilter(const QString &) override {}
    bool showSave() override { return false; }
    QString fileName() const override { return {}; }
};
class NoFiles : public TextFileService {
public:
    SaveResult writePieces(const QString &, const QList<QStringView> &, const TextEncoder &) override { return {}; }
};

// Another article, so that applying over it changes every kind of field.
Article otherArticle()
{
    Article other;
    other.kind = QStringLiteral("Mod");
    other.name = QStringLiteral("Other");
    other.skype = QStringLiteral("someone");
    other.requiredAddons = QStringLiteral("@CBA");
    other.installation = InstallationKind::OwnDescription;
    other.installationText = QStringLiteral("own");
    other.notes = QString();
    return other;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const qsizetype split = input.indexOf(QByteArrayView("\n%%\n"));
    const QByteArray source = (split < 0 ? input : input.first(split)).toByteArray();
    const QList<ArticleOverride> overrides =
        split < 0 ? QList<ArticleOverride>() : parseOverrides(input.sliced(split + 4));

    const ArticleReadResult read = readArticle(source, overrides);
    for (const ArticleProblem &p : read.problems) {
        KESTRIN_FUZZ_CHECK(p.overrideIndex >= -1 && p.overrideIndex < overrides.size());
        KESTRIN_FUZZ_CHECK((p.line > 0) == (p.column > 0));
        KESTRIN_FUZZ_CHECK(p.line >= 0 && p.column >= 0);
        KESTRIN_FUZZ_CHECK(p.overrideIndex < 0 || p.line == 0);
        KESTRIN_FUZZ_CHECK(!p.message.isEmpty());
    }
    KESTRIN_FUZZ_CHECK(read.unlistedProblems == 0 || read.problems.size() >= kArticleProblemListLimit);
    KESTRIN_FUZZ_CHECK(!read.newerFormat || read.problems.size() == 1);
    if (!read.ok())
        return 0;
    KESTRIN_FUZZ_CHECK(
        QJsonDocument::fromJson(source.startsWith("\xEF\xBB\xBF") ? source.sliced(3) : source).isObject());
    const Article &article = read.article;

    // Written and read again: the same article, the same bytes.
    const QByteArray written = writeArticleJson(article);
    const ArticleReadResult again = readArticle(written);
    KESTRIN_FUZZ_CHECK(again.ok());
    KESTRIN_FUZZ_CHECK(again.article == article);
    KESTRIN_FUZZ_CHECK(writeArticleJson(again.article) == written);

    // On the form and back, on a new form and over one holding another.
    MemoryForm form;
    NoMessages messages;
    NoDialog dialog;
    NoFiles files;
    ReadmeDocument document(form, messages, dialog, files);
    document.reset();
    document.applyArticle(article);
    KESTRIN_FUZZ_CHECK(articleFromForm(form) == asOnTheForm(article));
    KESTRIN_FUZZ_CHECK(document.article() == article);
    const QString text = plainText(document.model());
    KESTRIN_FUZZ_CHECK(text == plainText(readmeModel(article)));
    KESTRIN_FUZZ_CHECK(text.endsWith(templates::kFooter));
    document.applyArticle(otherArticle());
    document.applyArticle(again.article);
    KESTRIN_FUZZ_CHECK(articleFromForm(form) == asOnTheForm(article));
    KESTRIN_FUZZ_CHECK(document.article() == article);

    // As kestrin-readme writes it.
    const QByteArray utf8 = TextEncoder::utf8(true).encode(text);
    KESTRIN_FUZZ_CHECK(utf8.startsWith("\xEF\xBB\xBF"));
    if (isWellFormed(text))
        KESTRIN_FUZZ_CHECK(QString::fromUtf8(utf8.sliced(3)) == text);
    const TextEncoder cp1252 = TextEncoder::codePage(1252);
    QByteArray ansi;
    KESTRIN_FUZZ_CHECK(cp1252.encode(text, ansi) == cp1252.canEncode(text));
    KESTRIN_FUZZ_CHECK(TextEncoder::codePage(1252, true).encode(text).endsWith(templates::kFooter.toLatin1()));
    return 0;
}
