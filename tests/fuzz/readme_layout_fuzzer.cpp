// SPDX-License-Identifier: MIT
// Fuzz target: the ReadMe document driven the way a user drives the window.
// The bytes become a run of steps on a loaded in-memory form: typing texts
// into the enabled fields, clicking switches and options, picking the
// article kind, New, changing the code page, and Create with the save
// dialog and the question about unmappable characters answered either way.
// After each assembly the text is checked against the layout's rules and
// encoded in every code page and UTF-8:
//   - the text starts with the article line and ends with the footer; the
//     switched-on contact lines and sections are in it;
//   - the pair of required-addons boxes always has exactly one ticked, and
//     exactly one installation option is selected;
//   - canEncode, unmappable, distinctUnmappable and encode agree; what a
//     code page encodes decodes to a canonically equivalent text; encoding
//     in chunks cut where chunkEnd says gives the same bytes as at once;
//     well-formed text survives UTF-8 unchanged;
//   - a saved file is the text in the chosen encoding followed by CR LF;
//   - the form's article, written to an article file and read back, gives
//     the same ReadMe in every format;
//   - each format's text, UTF-8 bytes and streamed chunks agree, also when
//     a text is several of the sink's chunks long.

#include "fuzzsupport.h"

#include "articlereader.h"
#include "articlewriter.h"
#include "codepage.h"
#include "memoryform.h"
#include "plaintextrenderer.h"
#include "readmedocument.h"
#include "readmeformats.h"
#include "templates.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

using namespace kestrin;
using kestrin::fuzz::consumeText;
using kestrin::fuzz::isWellFormed;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

constexpr std::array<Control, 17> kTextBoxes{
    Control::Name,           Control::Version,      Control::Authors,     Control::ReleaseDate,  Control::Web,
    Control::Email,          Control::Skype,        Control::Icq,         Control::OtherContact, Control::RequiredGame,
    Control::RequiredAddons, Control::Installation, Control::Description, Control::Features,     Control::Changelog,
    Control::Notes,          Control::Credits,
};

// The check boxes first (eight), then the option buttons.
constexpr std::array<Control, 13> kClickable{
    Control::SkypeAllowed,          Control::IcqAllowed,       Control::OtherContactAllowed, Control::FeaturesAllowed,
    Control::ChangelogAllowed,      Control::NotesAllowed,     Control::AddonsOfficialOnly,  Control::AddonsUserDefined,
    Control::InstallSPMission,      Control::InstallMPMission, Control::InstallAddon,        Control::InstallMod,
    Control::InstallOwnDescription,
};

template <typename T, size_t N>
T pick(FuzzedDataProvider &data, const std::array<T, N> &items)
{
    return items[data.ConsumeIntegralInRange<size_t>(0, N - 1)];
}

// The message box answers from the fuzz bytes.
class FuzzMessages : public MessageBoxService {
public:
    explicit FuzzMessages(FuzzedDataProvider &data)
        : m_data(data)
    {
    }

    MessageAnswer show(const MessageRequest &request) override
    {
        KESTRIN_FUZZ_CHECK(request.title == kProgramTitle);
        ++m_shown;
        switch (request.buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return m_data.ConsumeBool() ? MessageAnswer::Yes : MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return pick(m_data, std::array{MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel});
        case MessageButtons::SaveDiscardCancel:
            return pick(m_data, std::array{MessageAnswer::Save, MessageAnswer::Discard, MessageAnswer::Cancel});
        }
        return MessageAnswer::Cancel;
    }

    int shown() const { return m_shown; }

private:
    FuzzedDataProvider &m_data;
    int m_shown = 0;
};

class FuzzDialog : public SaveDialogService {
public:
    explicit FuzzDialog(FuzzedDataProvider &data)
        : m_data(data)
    {
    }

    void setFilter(const QString &filter) override { m_filter = filter; }
    bool showSave() override
    {
        KESTRIN_FUZZ_CHECK(m_filter == QStringLiteral("*.txt|*.txt"));
        return m_data.ConsumeBool();
    }
    QString fileName() const override { return QStringLiteral("ReadMe.txt"); }

private:
    FuzzedDataProvider &m_data;
    QString m_filter;
};

// Keeps the file in memory; encodes the pieces one after the other, as the
// real file service does, and can be told to fail like a full disk.
class MemoryFiles : public TextFileService {
public:
    SaveResult writePieces(const QString &path, const QList<QStringView> &pieces, const TextEncoder &encoder) override
    {
        KESTRIN_FUZZ_CHECK(!path.isEmpty());
        ++writes;
        if (failNext)
            return {false, QStringLiteral("No space left on device"), false};
        QByteArray bytes = encoder.prefix();
        for (QStringView piece : pieces) {
            if (!encoder.encode(piece, bytes))
                return {false, {}, true};
        }
        bytes.append("\r\n", 2);
        file = bytes;
        return {true, {}, false};
    }

    std::optional<QByteArray> file;
    bool failNext = false;
    int writes = 0;
};

QString decodeCodePage(const QByteArray &bytes, int codePage)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            text += QChar(char16_t(b));
            continue;
        }
        const char16_t u = detail::kUpperHalves[codePage - 1250][b - 0x80];
        KESTRIN_FUZZ_CHECK(u != 0); // the encoder wrote a byte the code page does not define
        text += QChar(u);
    }
    return text;
}

// The text encoded chunk by chunk, each cut where chunkEnd says, as the
// file service writes a long text (its chunks are never shorter than two
// characters, so that every chunk makes progress).
QByteArray encodeInChunks(const TextEncoder &encoder, QStringView text, qsizetype chunk)
{
    KESTRIN_FUZZ_CHECK(chunk >= 2);
    QByteArray out;
    for (qsizetype pos = 0; pos < text.size();) {
        const qsizetype end = chunkEnd(text, pos + chunk);
        KESTRIN_FUZZ_CHECK(end > pos && end <= text.size());
        KESTRIN_FUZZ_CHECK(end == text.size() || !(text[end - 1].isHighSurrogate() && text[end].isLowSurrogate()));
        KESTRIN_FUZZ_CHECK(encoder.encode(text.mid(pos, end - pos), out));
        pos = end;
    }
    return out;
}

// The encoder's answers about one text agree with each other and with the
// bytes it writes.
void checkEncoder(const TextEncoder &encoder, QStringView text, qsizetype chunk)
{
    const bool can = encoder.canEncode(text);
    const QList<UnmappableChar> unmappable = encoder.unmappable(text);
    bool more = false;
    const QList<char32_t> distinct = encoder.distinctUnmappable(text, 64, &more);
    KESTRIN_FUZZ_CHECK(can == unmappable.isEmpty());
    KESTRIN_FUZZ_CHECK(can == distinct.isEmpty());
    KESTRIN_FUZZ_CHECK(distinct.size() <= 64 && (!more || distinct.size() == 64));
    for (const UnmappableChar &u : unmappable) {
        KESTRIN_FUZZ_CHECK(u.line >= 1 && u.column >= 1);
        KESTRIN_FUZZ_CHECK(more || distinct.contains(u.codePoint));
    }
    KESTRIN_FUZZ_CHECK(encoder.unmappable(text, 1).size() == std::min<qsizetype>(1, unmappable.size()));

    QByteArray whole("x"); // encode appends
    const bool ok = encoder.encode(text, whole);
    KESTRIN_FUZZ_CHECK(ok == can);
    KESTRIN_FUZZ_CHECK(whole.startsWith('x'));
    whole.remove(0, 1);
    KESTRIN_FUZZ_CHECK(encoder.encode(text) == encoder.prefix() + whole);

    if (encoder.kind() == TextEncoder::Kind::CodePage) {
        const int cp = encoder.codePageNumber();
        if (ok) {
            // What was written means the same text: the same characters, or
            // a letter written as base letter plus combining marks.
            const QString decoded = decodeCodePage(whole, cp);
            KESTRIN_FUZZ_CHECK(decoded.normalized(QString::NormalizationForm_D)
                               == text.toString().normalized(QString::NormalizationForm_D));
        }
        // Replacing never fails, and changes nothing when nothing is unmappable.
        QByteArray replaced;
        KESTRIN_FUZZ_CHECK(TextEncoder::codePage(cp, true).encode(text, replaced));
        if (ok)
            KESTRIN_FUZZ_CHECK(replaced == whole);
        else
            KESTRIN_FUZZ_CHECK(replaced.contains('?'));
        // In chunks, as the file service writes a long text.
        KESTRIN_FUZZ_CHECK(encodeInChunks(TextEncoder::codePage(cp, true), text, chunk) == replaced);
    } else {
        KESTRIN_FUZZ_CHECK(ok);
        if (isWellFormed(text))
            KESTRIN_FUZZ_CHECK(QString::fromUtf8(whole) == text);
        KESTRIN_FUZZ_CHECK(encodeInChunks(encoder, text, chunk) == whole);
    }
}

bool ticked(const ControlAccess &form, Control check)
{
    return form.value(check) == 1;
}

// The form's switches are in one of the states the handlers allow.
void checkSwitches(const MemoryForm &form)
{
    KESTRIN_FUZZ_CHECK(form.value(Control::AddonsOfficialOnly) + form.value(Control::AddonsUserDefined) == 1);
    int selected = 0;
    for (Control option : kInstallationOptions)
        selected += form.isSelected(option) ? 1 : 0;
    KESTRIN_FUZZ_CHECK(selected == 1);
    for (const AllowSwitch &s : kAllowSwitches) {
        KESTRIN_FUZZ_CHECK(form.isEnabled(s.field) == ticked(form, s.check));
        KESTRIN_FUZZ_CHECK(form.background(s.field)
                           == (ticked(form, s.check) ? SystemColor::WindowBackground : SystemColor::ThreeDLight));
    }
    KESTRIN_FUZZ_CHECK(form.isEnabled(Control::RequiredAddons) == ticked(form, Control::AddonsUserDefined));
    KESTRIN_FUZZ_CHECK(form.isEnabled(Control::Installation) == form.isSelected(Control::InstallOwnDescription));
}

void checkText(const QString &text, const MemoryForm &form, const ReadmeDocument &document, FuzzedDataProvider &data)
{
    using namespace templates;
    KESTRIN_FUZZ_CHECK(text.endsWith(kFooter));
    KESTRIN_FUZZ_CHECK(text.startsWith(form.text(Control::ArticleKind) + QStringLiteral("\t-\t")
                                       + form.text(Control::Name) + kCrLf + kUnderline.toString() + kCrLf));
    KESTRIN_FUZZ_CHECK(text.contains(kCrLf + disclaimer() + kCrLf + kCrLf + kFooter.toString()));

    const struct {
        Control check;
        const char *label;
        Control field;
    } contacts[] = {
        {Control::SkypeAllowed, "Skype: ", Control::Skype},
        {Control::IcqAllowed, "ICQ: ", Control::Icq},
        {Control::OtherContactAllowed, "Other: ", Control::OtherContact},
    };
    for (const auto &c : contacts) {
        if (ticked(form, c.check))
            KESTRIN_FUZZ_CHECK(text.contains(QLatin1String(c.label) + form.text(c.field) + kCrLf));
    }
    const struct {
        Control check;
        QStringView heading;
        Control field;
    } sections[] = {
        {Control::FeaturesAllowed, u"Features: ", Control::Features},
        {Control::ChangelogAllowed, u"Changelog/known bugs: ", Control::Changelog},
        {Control::NotesAllowed, u"Notes: ", Control::Notes},
        {Control::AddonsUserDefined, u"Required addons: ", Control::RequiredAddons},
    };
    for (const auto &s : sections) {
        if (ticked(form, s.check))
            KESTRIN_FUZZ_CHECK(text.contains(section(s.heading, form.text(s.field))));
    }
    if (ticked(form, Control::AddonsOfficialOnly))
        KESTRIN_FUZZ_CHECK(text.contains(noneAddonsSection()));
    if (form.isSelected(Control::InstallOwnDescription))
        KESTRIN_FUZZ_CHECK(text.contains(section(u"Installation: ", form.text(Control::Installation))));
    if (!form.isSelected(Control::InstallOwnDescription)) {
        const QString body = document.article().hasStartInstallation()
                                 ? startupInstallationBody()
                                 : installationBody(InstallationKind(
                                     std::find_if(kInstallationOptions.begin(), kInstallationOptions.end(),
                                                  [&form](Control c) { return form.isSelected(c); })
                                     - kInstallationOptions.begin()));
        KESTRIN_FUZZ_CHECK(text.contains(section(kInstallationHeading, body)));
    }

    const qsizetype chunk = data.ConsumeIntegralInRange<qsizetype>(2, 300);
    checkEncoder(TextEncoder::codePage(document.codePage()), text, chunk);
    checkEncoder(TextEncoder::codePage(1250 + data.ConsumeIntegralInRange(0, 8)), text, chunk);
    checkEncoder(TextEncoder::utf8(data.ConsumeBool()), text, chunk);
}

// The renderers' three outputs agree, as text, as bytes and as a stream,
// on the form's model and on one whose description is several chunks long.
void checkRenderers(ReadmeModel model, FuzzedDataProvider &data)
{
    if (data.ConsumeBool() && model.sections.size() > 2) {
        QString &description = model.sections[2].body;
        description = description.repeated(70000 / (description.size() + 1) + 1);
    }
    for (ReadmeFormat format : kReadmeFormats) {
        const QString text = renderReadme(model, format);
        const QByteArray bytes = renderReadmeUtf8(model, format);
        if (isWellFormed(text))
            KESTRIN_FUZZ_CHECK(bytes == text.toUtf8());
        QByteArray streamed;
        KESTRIN_FUZZ_CHECK(renderReadmeUtf8(model, format, [&streamed](QByteArrayView chunk) {
            streamed += chunk;
            return true;
        }));
        KESTRIN_FUZZ_CHECK(streamed == bytes);
    }
}

// The article the form holds keeps its ReadMe through an article file.
void checkArticlePath(const ReadmeDocument &document)
{
    const Article article = document.article();
    const ReadmeModel fromForm = document.model();
    // A file holds UTF-8, so lone surrogate halves do not survive it;
    // reading it gives every line break as CR LF and takes only the four
    // article kinds.
    const QString text = plainText(fromForm);
    const QString withoutCrLf = QString(text).remove(kCrLf);
    if (!isWellFormed(text) || withoutCrLf.contains(u'\r') || withoutCrLf.contains(u'\n')
        || std::none_of(kArticleKinds.begin(), kArticleKinds.end(),
                        [&article](const char *kind) { return article.kind == QLatin1String(kind); }))
        return;
    const ArticleReadResult read = readArticle(writeArticleJson(article));
    KESTRIN_FUZZ_CHECK(read.ok());
    KESTRIN_FUZZ_CHECK(read.article == article);
    const ReadmeModel fromFile = readmeModel(read.article);
    for (ReadmeFormat format : kReadmeFormats)
        KESTRIN_FUZZ_CHECK(renderReadme(fromForm, format) == renderReadme(fromFile, format));
}

void checkCreate(ReadmeDocument &document, FuzzMessages &messages, MemoryFiles &files)
{
    files.file.reset();
    const int shownBefore = messages.shown();
    const int writesBefore = files.writes;
    const QString text = plainText(document.model());
    const ReadmeDocument::CreateOutcome outcome = document.create();
    KESTRIN_FUZZ_CHECK(text.endsWith(templates::kFooter));
    switch (outcome) {
    case ReadmeDocument::CreateOutcome::Saved: {
        KESTRIN_FUZZ_CHECK(files.file.has_value());
        const QByteArray &bytes = *files.file;
        KESTRIN_FUZZ_CHECK(bytes.endsWith(templates::kFooter.toLatin1() + "\r\n"));
        const TextEncoder native = TextEncoder::codePage(document.codePage());
        if (native.canEncode(text)) {
            KESTRIN_FUZZ_CHECK(files.writes == writesBefore + 1);
            KESTRIN_FUZZ_CHECK(bytes == native.encode(text) + "\r\n");
        } else {
            // Asked, then saved as UTF-8 with a byte-order mark or with "?".
            KESTRIN_FUZZ_CHECK(files.writes == writesBefore + 2);
            KESTRIN_FUZZ_CHECK(bytes == TextEncoder::utf8(true).encode(text) + "\r\n"
                               || bytes == TextEncoder::codePage(document.codePage(), true).encode(text) + "\r\n");
        }
        KESTRIN_FUZZ_CHECK(messages.shown() > shownBefore); // "ReadMe file created successfully ..."
        break;
    }
    case ReadmeDocument::CreateOutcome::Cancelled: KESTRIN_FUZZ_CHECK(!files.file.has_value()); break;
    case ReadmeDocument::CreateOutcome::Failed:
        KESTRIN_FUZZ_CHECK(!files.file.has_value());
        KESTRIN_FUZZ_CHECK(files.failNext);
        KESTRIN_FUZZ_CHECK(messages.shown() > shownBefore);
        break;
    }
}

void checkAfterNew(const MemoryForm &form, const ReadmeDocument &document)
{
    if (document.lastNewAnswer() != MessageAnswer::Yes)
        return;
    KESTRIN_FUZZ_CHECK(form.text(Control::ArticleKind) == QStringLiteral("SP mission"));
    KESTRIN_FUZZ_CHECK(form.isSelected(Control::InstallSPMission));
    KESTRIN_FUZZ_CHECK(form.text(Control::Web) == QStringLiteral("http://"));
    KESTRIN_FUZZ_CHECK(form.text(Control::Email) == QStringLiteral("@"));
    KESTRIN_FUZZ_CHECK(form.text(Control::Name).isEmpty());
    KESTRIN_FUZZ_CHECK(ticked(form, Control::AddonsOfficialOnly));
    for (const AllowSwitch &s : kAllowSwitches)
        KESTRIN_FUZZ_CHECK(!ticked(form, s.check) && form.text(s.field).isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    MemoryForm form;
    FuzzMessages messages(data);
    FuzzDialog dialog(data);
    MemoryFiles files;
    ReadmeDocument document(form, messages, dialog, files);
    document.setCodePage(1250 + data.ConsumeIntegralInRange(0, 8));
    document.reset();
    checkSwitches(form);
    bool startInstallation = true;

    const int steps = data.ConsumeIntegralInRange(1, 40);
    for (int step = 0; step < steps && data.remaining_bytes() > 0; ++step) {
        switch (data.ConsumeIntegralInRange(0, 8)) {
        case 0:
        case 1: {
            // Typing into a field; a disabled one takes no input.
            const Control field = pick(data, kTextBoxes);
            const QString text = consumeText(data);
            if (form.isEnabled(field))
                form.setText(field, text);
            break;
        }
        case 2: {
            // An option's handler stores its template: the start state's
            // installation is gone.
            const Control clicked = pick(data, kClickable);
            const bool wasSelected = form.isSelected(clicked);
            form.click(clicked);
            if (std::find(kInstallationOptions.begin(), kInstallationOptions.end(), clicked)
                    != kInstallationOptions.end()
                && !wasSelected && form.isSelected(clicked))
                startInstallation = false;
            break;
        }
        case 3: {
            const std::array<const char *, 5> kinds{kArticleKinds[0], kArticleKinds[1], kArticleKinds[2],
                                                    kArticleKinds[3], "no such kind"};
            form.setText(Control::ArticleKind, QString::fromLatin1(pick(data, kinds)));
            break;
        }
        case 4:
            document.newReadme();
            checkAfterNew(form, document);
            startInstallation = startInstallation && document.lastNewAnswer() != MessageAnswer::Yes;
            break;
        case 5: document.setCodePage(1250 + data.ConsumeIntegralInRange(0, 8)); break;
        case 6:
            files.failNext = data.ConsumeBool();
            checkCreate(document, messages, files);
            break;
        case 7: checkText(plainText(document.model()), form, document, data); break;
        default:
            // A handler setting a box, as New and the pair of addons boxes do.
            form.setValue(kClickable[data.ConsumeIntegralInRange<size_t>(0, 7)], data.ConsumeIntegralInRange(0, 1));
            break;
        }
        checkSwitches(form);
        KESTRIN_FUZZ_CHECK(document.article().hasStartInstallation() == startInstallation);
        checkArticlePath(document);
        checkRenderers(document.model(), data);
    }
    checkText(plainText(document.model()), form, document, data);
    return 0;
}
