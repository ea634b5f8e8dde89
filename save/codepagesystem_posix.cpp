// SPDX-License-Identifier: MIT
// The code pages where the system has none of its own: the Windows
// single-byte code pages 1250 to 1258 from the tables in
// codepagetables.cpp, and the system's code page from the locale's
// environment, as Windows would derive it from the same locale.
#include "codepage.h"
#include "codepagemap.h"

namespace kestrin {

namespace {

// The script that a POSIX locale name's modifier names ("sr_RS.UTF-8@latin");
// QLocale reads such names without their modifier.
QLocale::Script scriptOfModifier(QStringView name)
{
    const qsizetype at = name.indexOf(QLatin1Char('@'));
    if (at < 0)
        return QLocale::AnyScript;
    const QStringView modifier = name.mid(at + 1);
    if (modifier.compare(QLatin1String("latin"), Qt::CaseInsensitive) == 0)
        return QLocale::LatinScript;
    if (modifier.compare(QLatin1String("cyrillic"), Qt::CaseInsensitive) == 0)
        return QLocale::CyrillicScript;
    return QLocale::AnyScript;
}

QString withoutModifier(const QString &name)
{
    const qsizetype at = name.indexOf(QLatin1Char('@'));
    return at < 0 ? name : name.left(at);
}

} // namespace

int systemAnsiCodePage()
{
    // The system locale's language comes from these variables (and may be
    // overridden by the first entry of LANGUAGE); the script modifier is
    // taken from the one whose language it is.
    const QLocale system = QLocale::system();
    QString name = qEnvironmentVariable("LC_ALL");
    if (name.isEmpty())
        name = qEnvironmentVariable("LC_MESSAGES");
    if (name.isEmpty())
        name = qEnvironmentVariable("LANG");
    const QString language = qEnvironmentVariable("LANGUAGE").section(QLatin1Char(':'), 0, 0);
    for (const QString &candidate : {name, language}) {
        const QLocale::Script script = scriptOfModifier(candidate);
        if (script != QLocale::AnyScript && QLocale(withoutModifier(candidate)).language() == system.language())
            return detail::codePageFor(system.language(), script);
    }
    return ansiCodePageForLocale(system);
}

bool isSupportedCodePage(int codePage)
{
    return codePage >= 1250 && codePage <= 1258;
}

namespace detail {

CodePageMap::CodePageMap(int codePage)
    : m_codePage(codePage)
    , m_table(std::make_unique<std::atomic<quint16>[]>(0x10000))
{
    for (int u = 0; u < 0x10000; ++u)
        m_table[u].store(0, std::memory_order_relaxed);
    const int index = codePage - 1250;
    for (int b = 0; b < 128; ++b) {
        const char16_t u = kUpperHalves[index][b];
        if (u != 0)
            m_table[u].store(quint16(0x80 + b), std::memory_order_relaxed);
    }
}

CodePageMap::~CodePageMap() = default;

quint16 CodePageMap::lookUp(char16_t) const
{
    return 0; // every entry was filled at the start
}

bool CodePageMap::appendSupplementary(char32_t, QByteArray *) const
{
    return false;
}

} // namespace detail

} // namespace kestrin
