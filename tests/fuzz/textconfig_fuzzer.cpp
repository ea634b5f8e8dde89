// SPDX-License-Identifier: MIT
// Fuzz target: the text config parser with its preprocessor. The input is
// split at bytes 0x01 into the main file and the files it may include
// ("0.h", "1.h", ...). Checked: every note and value names a line inside
// its file, the tree keeps within its nesting bound, and no include is
// resolved that the resolver did not give.

#include "fuzzsupport.h"

#include "textconfig.h"

#include <cstddef>
#include <cstdint>

using namespace kestrin;

namespace {

int depth(const import::ConfigClass &c)
{
    int deepest = 0;
    for (const import::ConfigClass &child : c.classes)
        deepest = qMax(deepest, depth(child));
    return deepest + 1;
}

void checkLines(const import::ConfigClass &c, const QHash<QString, int> &lines)
{
    for (const import::ConfigEntry &e : c.values) {
        KESTRIN_FUZZ_CHECK(lines.contains(e.where.file));
        KESTRIN_FUZZ_CHECK(e.where.line >= 1 && e.where.line <= lines.value(e.where.file));
    }
    for (const import::ConfigClass &child : c.classes)
        checkLines(child, lines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> parts = bytes.split('\x01');
    QHash<QString, int> lines; // file -> its number of lines
    QHash<QString, QByteArray> files;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString name = i == 0 ? QStringLiteral("main.cpp") : QStringLiteral("%1.h").arg(i - 1);
        files.insert(name, parts[i]);
        lines.insert(name, int(parts[i].count('\n')) + 1);
    }
    const import::IncludeResolver resolve = [&](const QString &written, const import::SourceRef &) {
        import::IncludedFile file;
        const auto it = files.constFind(written);
        if (it == files.constEnd()) {
            file.problem = QStringLiteral("no such file");
            return file;
        }
        file.data = *it;
        file.where.file = written;
        file.identity = written;
        return file;
    };
    import::TextConfigLimits limits;
    limits.maxTotalBytes = 4 * 1024 * 1024;
    const import::ConfigParse parse = import::parseTextConfig(files.value(QStringLiteral("main.cpp")),
                                                              {QStringLiteral("main.cpp"), {}, 0}, resolve, limits);
    KESTRIN_FUZZ_CHECK(depth(parse.root) <= limits.maxDepth + 2);
    checkLines(parse.root, lines);
    for (const import::ImportNote &note : parse.notes)
        KESTRIN_FUZZ_CHECK(note.where.line >= 0 && note.where.line <= lines.value(note.where.file, 0) + 1);
    return 0;
}
