// SPDX-License-Identifier: MIT
#include "helptestsupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QUrl>

#include <gtest/gtest.h>

namespace kestrin::help::testing {

QString builtHelpFile()
{
    return QStringLiteral(KESTRIN_HELP_FILE);
}

QStringList builtHelpFiles()
{
    return QString::fromUtf8(KESTRIN_HELP_FILES).split(u'|', Qt::SkipEmptyParts);
}

QString fixtureFile(const char *name)
{
    return QStringLiteral(KESTRIN_HELP_FIXTURE_DIR "/%1.chm").arg(QLatin1String(name));
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList helpTopicsInOrder()
{
    return {
        QStringLiteral("/index.html"),
        QStringLiteral("/topics/getting-started.html"),
        QStringLiteral("/topics/main-window.html"),
        QStringLiteral("/topics/basic-data.html"),
        QStringLiteral("/topics/requirements.html"),
        QStringLiteral("/topics/installation.html"),
        QStringLiteral("/topics/details.html"),
        QStringLiteral("/topics/credits.html"),
        QStringLiteral("/topics/allow-switches.html"),
        QStringLiteral("/topics/create.html"),
        QStringLiteral("/topics/readme-file.html"),
        QStringLiteral("/topics/saving.html"),
        QStringLiteral("/topics/preview-and-export.html"),
        QStringLiteral("/topics/article-file.html"),
        QStringLiteral("/topics/import.html"),
        QStringLiteral("/topics/new.html"),
        QStringLiteral("/topics/minimize.html"),
        QStringLiteral("/topics/exit.html"),
        QStringLiteral("/topics/help-and-about.html"),
        QStringLiteral("/topics/shortcuts.html"),
        QStringLiteral("/topics/command-line.html"),
    };
}

QList<Damage> damages()
{
    return {
        {"empty", [](const QByteArray &) { return QByteArray(); }, "the file is empty."},
        {"text", [](const QByteArray &) { return QByteArray("This is not a help file.\r\n"); },
         "it is not a compiled HTML Help (.chm) file."},
        {"random_bytes",
         [](const QByteArray &good) {
             QByteArray bytes(good.size(), Qt::Uninitialized);
             QRandomGenerator rng(20240501);
             for (char &c : bytes)
                 c = char(rng.bounded(256));
             return bytes;
         },
         "it is not a compiled HTML Help (.chm) file."},
        {"random_after_signature",
         [](const QByteArray &good) {
             QByteArray bytes = good.left(4);
             QRandomGenerator rng(7);
             while (bytes.size() < good.size())
                 bytes.append(char(rng.bounded(256)));
             return bytes;
         },
         "the file is damaged: its header is not valid."},
        {"header_only", [](const QByteArray &good) { return good.left(0x60); },
         "the file is damaged or incomplete: it ends inside its header."},
        {"truncated_to_1k", [](const QByteArray &good) { return good.left(1024); },
         "the file is damaged or incomplete: it should be"},
        {"truncated_to_4k", [](const QByteArray &good) { return good.left(4096); },
         "the file is damaged or incomplete: it should be"},
        {"truncated_to_half", [](const QByteArray &good) { return good.left(good.size() / 2); },
         "the file is damaged or incomplete: it should be"},
        {"truncated_by_100", [](const QByteArray &good) { return good.left(good.size() - 100); },
         "the file is damaged or incomplete: it should be"},
        {"directory_wiped",
         [](const QByteArray &good) {
             QByteArray bytes = good;
             std::fill(bytes.begin() + 0x60, bytes.begin() + 0x60 + 4096, '\0');
             return bytes;
         },
         "the file is damaged: its directory cannot be read."},
        // Two that chmlib itself does not survive: a zero LZX window makes
        // it divide by zero, a listing chunk that names itself as the next
        // makes it list for ever.
        {"lzx_window_zeroed",
         [](const QByteArray &good) {
             QByteArray bytes = good;
             const qsizetype control = bytes.indexOf("LZXC");
             bytes.replace(control + 12, 4, QByteArray(4, '\0'));
             return bytes;
         },
         "the file is damaged: its compressed pages cannot be read."},
        {"listing_chunk_loops",
         [](const QByteArray &good) {
             QByteArray bytes = good;
             const qsizetype chunk = bytes.indexOf("PMGL");
             bytes.replace(chunk + 16, 4, QByteArray(4, '\0'));
             return bytes;
         },
         "the file is damaged: its directory cannot be read."},
        {"pages_wiped",
         [](const QByteArray &good) {
             // Keeps the header and directory, zeroes the compressed pages.
             QByteArray bytes = good;
             std::fill(bytes.begin() + bytes.size() / 4, bytes.end(), '\0');
             return bytes;
         },
         nullptr},
        {"pages_scrambled",
         [](const QByteArray &good) {
             QByteArray bytes = good;
             QRandomGenerator rng(99);
             for (qsizetype i = bytes.size() / 4; i < bytes.size(); i += 7)
                 bytes[i] = char(rng.bounded(256));
             return bytes;
         },
         nullptr},
    };
}

} // namespace kestrin::help::testing

QT_BEGIN_NAMESPACE
void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(const QUrl &url, std::ostream *os)
{
    *os << url.toString().toStdString();
}
QT_END_NAMESPACE
