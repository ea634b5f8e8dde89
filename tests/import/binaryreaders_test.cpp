// SPDX-License-Identifier: MIT
// The LZSS, PBO and raP readers, on well-formed files and on damaged and
// hostile ones: every damage gives a problem or a note, never a crash, a
// hang or an allocation the file's size does not justify.

#include "gamefiles.h"
#include "lzss.h"
#include "pboarchive.h"
#include "pipesanddevices.h"
#include "rapreader.h"
#include "textconfig.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

using namespace kestrin::import;
using namespace kestrin::testing;

namespace {

QByteArray repeated(const char *piece, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out.append(piece);
    return out;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray out(size, '\0');
    for (char &c : out)
        c = char(random.bounded(256));
    return out;
}

} // namespace

TEST(Lzss, UnpacksWhatWasPacked)
{
    const struct {
        const char *name;
        QByteArray data;
    } cases[] = {
        {"empty", {}},
        {"one byte", "x"},
        {"text", "class CfgPatches { class a { requiredAddons[] = {}; }; };"},
        {"long runs", repeated("abcabcabc", 2000)},
        {"one byte repeated", QByteArray(70000, 'q')},
        {"random", randomBytes(20000, 7)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray packed = lzssCompress(c.data);
        QString problem;
        const auto unpacked = lzssDecompress(packed, c.data.size(), &problem);
        ASSERT_TRUE(unpacked) << problem.toStdString();
        EXPECT_EQ(unpacked->data, c.data);
        EXPECT_TRUE(unpacked->checksumPresent);
        EXPECT_TRUE(unpacked->checksumMatches);
    }
}

TEST(Lzss, ReferenceBeforeTheStartGivesSpaces)
{
    // Flag 0: a reference 5 back, 4 long, at the very start.
    const QByteArray stream("\x00\x05\x01", 3);
    const auto unpacked = lzssDecompress(stream, 4, nullptr);
    ASSERT_TRUE(unpacked);
    EXPECT_EQ(unpacked->data, QByteArray("    "));
    EXPECT_FALSE(unpacked->checksumPresent);
}

TEST(Lzss, DamagedStreamsAreRefused)
{
    const QByteArray good = lzssCompress(repeated("mission ", 500));
    const struct {
        const char *name;
        QByteArray stream;
        qsizetype size;
    } cases[] = {
        {"truncated", good.left(good.size() / 2), 4000},
        {"declared size beyond what the bytes can give", good, qsizetype(lzssMaxOutput(good.size()) + 1)},
        {"a bomb: 2 GB claimed from 100 bytes", QByteArray(100, '\0'), qsizetype(2) * 1024 * 1024 * 1024 - 1},
        {"distance 0", QByteArray("\x00\x00\x00", 3), 3},
        {"negative size", good, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString problem;
        EXPECT_FALSE(lzssDecompress(c.stream, c.size, &problem));
        EXPECT_FALSE(problem.isEmpty());
    }
}

TEST(Lzss, WrongChecksumIsReported)
{
    QByteArray packed = lzssCompress("some text to pack, some text to pack");
    packed[packed.size() - 1] = char(packed.at(packed.size() - 1) ^ 0x40);
    const auto unpacked = lzssDecompress(packed, 36, nullptr);
    ASSERT_TRUE(unpacked);
    EXPECT_TRUE(unpacked->checksumPresent);
    EXPECT_FALSE(unpacked->checksumMatches);
}

class PboTest : public ::testing::Test {
protected:
    QString write(const QString &name, const QByteArray &data)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeFile(path, data));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(PboTest, ReadsHeaderProductEntryAndEntries)
{
    const QByteArray sqm = repeated("class Item { side=\"WEST\"; };\n", 300);
    PboOptions options;
    options.properties = {{"product", "Arma 2"}, {"prefix", "x\\kst"}, {"version", "1"}};
    const QString path = write(QStringLiteral("a.pbo"), makePbo({{"mission.sqm", sqm, true},
                                                                 {"sub\\Config.cpp", "class CfgPatches {};", false},
                                                                 {"empty.txt", {}, false}},
                                                                options));
    PboArchive pbo(path);
    ASSERT_TRUE(pbo.open()) << pbo.error().toStdString();
    ASSERT_EQ(pbo.entries().size(), 3);
    EXPECT_EQ(pbo.property(u"PRODUCT"), QStringLiteral("Arma 2"));
    EXPECT_EQ(pbo.property(u"prefix"), QStringLiteral("x\\kst"));
    EXPECT_EQ(pbo.properties().size(), 3);
    EXPECT_TRUE(pbo.hasChecksum());
    EXPECT_EQ(pbo.verifyChecksum(1 << 20), std::optional<bool>(true));
    EXPECT_TRUE(pbo.entries()[0].compressed);
    EXPECT_EQ(pbo.entries()[0].size(), sqm.size());
    const PboEntry *config = pbo.find(u"SUB/config.CPP");
    ASSERT_NE(config, nullptr);
    QString problem;
    EXPECT_EQ(pbo.read(*config, 1024, &problem), std::optional<QByteArray>("class CfgPatches {};"));
    EXPECT_EQ(pbo.read(pbo.entries()[0], 1 << 20, &problem), std::optional<QByteArray>(sqm));
    EXPECT_EQ(pbo.read(pbo.entries()[2], 1024, &problem), std::optional<QByteArray>(QByteArray()));
}

TEST_F(PboTest, OldStyleWithoutProductEntryOrChecksum)
{
    const QString path = write(QStringLiteral("old.pbo"), makePbo({{"config.cpp", "x", false}}, {{}, false}));
    PboArchive pbo(path);
    ASSERT_TRUE(pbo.open());
    EXPECT_TRUE(pbo.properties().isEmpty());
    EXPECT_FALSE(pbo.hasChecksum());
    EXPECT_EQ(pbo.verifyChecksum(1 << 20), std::nullopt);
}

TEST_F(PboTest, ChangedByteFailsTheChecksum)
{
    QByteArray bytes = makePbo({{"mission.sqm", "class Mission {};", false}});
    bytes[bytes.size() - 25] = 'X';
    PboArchive pbo(write(QStringLiteral("c.pbo"), bytes));
    ASSERT_TRUE(pbo.open());
    EXPECT_EQ(pbo.verifyChecksum(1 << 20), std::optional<bool>(false));
}

TEST_F(PboTest, DamagedHeadersAreRefused)
{
    const QByteArray good = makePbo({{"config.cpp", "class CfgPatches {};", false}});
    // An empty name, the product mark, 16 bytes of header, then one key
    // with its value never ended by the empty text that closes the list.
    static const char unendedProduct[] = "\0sreV\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0prefix\0x";
    QByteArray endlessName("very_long_name");
    endlessName.append(QByteArray(5000, 'n'));
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty file", {}},
        {"shorter than one entry", QByteArray(10, '\0').replace(0, 1, "a")},
        {"header cut in the middle", good.left(15)},
        {"a name with no end", endlessName},
        {"product entry with no end", QByteArray(unendedProduct, sizeof unendedProduct - 1)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        PboArchive pbo(write(QStringLiteral("bad.pbo"), c.bytes));
        EXPECT_FALSE(pbo.open());
        EXPECT_FALSE(pbo.error().isEmpty());
    }
}

TEST_F(PboTest, EntriesThatLieAreRefusedOneByOne)
{
    // The second entry claims more data than the file has; the third an
    // unpacked size beyond any cap; the first stays readable.
    QByteArray bytes = makePbo({{"good.txt", "fine", false},
                                {"big.bin", "12345678", false},
                                {"bomb.bin", lzssCompress(QByteArray(64, 'b')), false}},
                               {{}, false});
    const qsizetype big = bytes.indexOf("big.bin") + 8;
    bytes.replace(big + 16, 4, QByteArray("\xff\xff\xff\x7f", 4)); // data size
    const qsizetype bomb = bytes.indexOf("bomb.bin") + 9;
    bytes.replace(bomb, 8, QByteArray("srpC\x00\x00\x00\x40", 8)); // compressed, 1 GB
    PboArchive pbo(write(QStringLiteral("lie.pbo"), bytes));
    ASSERT_TRUE(pbo.open());
    ASSERT_EQ(pbo.entries().size(), 3);
    QString problem;
    EXPECT_EQ(pbo.read(pbo.entries()[0], 1024, &problem), std::optional<QByteArray>("fine"));
    EXPECT_FALSE(pbo.read(pbo.entries()[1], 1 << 30, &problem));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_FALSE(pbo.headerProblems().isEmpty());
    problem.clear();
    EXPECT_FALSE(pbo.read(pbo.entries()[2], 64 * 1024 * 1024, &problem));
    EXPECT_FALSE(problem.isEmpty());
}

TEST_F(PboTest, HugeSparsePboCostsOnlyItsHeader)
{
    // 10 GB: the header and one config at the end are read, nothing else.
    const QString path = write(QStringLiteral("huge.pbo"), QByteArray());
    {
        QByteArray header;
        const auto put = [&](const char *name, quint32 size) {
            header.append(name).append('\0');
            for (quint32 v : {0u, 0u, 0u, 0u, size})
                for (int i = 0; i < 4; ++i)
                    header.append(char((v >> (8 * i)) & 0xFF));
        };
        for (int i = 0; i < 5; ++i)
            put(qPrintable(QStringLiteral("data\\part%1.bin").arg(i)), 2000000000u);
        put("config.cpp", 20);
        put("", 0);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(header);
        ASSERT_TRUE(file.resize(header.size() + qint64(5) * 2000000000 + 20));
        file.seek(header.size() + qint64(5) * 2000000000);
        file.write("class CfgPatches {};");
    }
    PboArchive pbo(path);
    ASSERT_TRUE(pbo.open());
    QString problem;
    EXPECT_EQ(pbo.read(pbo.entries().last(), 1024, &problem), std::optional<QByteArray>("class CfgPatches {};"));
    EXPECT_FALSE(pbo.read(pbo.entries().first(), 64 * 1024 * 1024, &problem)); // over the cap
    EXPECT_LT(pbo.bytesRead(), 100 * 1024);
}

TEST_F(PboTest, PipesFoldersAndDevicesAreRefusedWithoutWaiting)
{
    const QString pipe = makeIdlePipe(dir.path());
    ASSERT_FALSE(pipe.isEmpty());
    for (const QString &path : {pipe, dir.path(), endlessDevice(), dir.filePath(QStringLiteral("none"))}) {
        SCOPED_TRACE(path.toStdString());
        // A reader that waited for a writer would hang here; the test's
        // own time-out is the check.
        PboArchive pbo(path);
        EXPECT_FALSE(pbo.open());
        EXPECT_FALSE(pbo.error().isEmpty());
    }
}

namespace {

const QByteArray RoundTripConfig = R"(class CfgPatches
{
	class kst_a
	{
		units[] = {"kst_Truck", "kst_Car"};
		requiredVersion = 1.62;
		requiredAddons[] = {"CBA_Main", {"nested", 2}, -3};
		name = "A ""quoted"" name";
		scope = 2;
	};
	class kst_b: kst_a {};
	class Declared;
};
)";

} // namespace

TEST(Rap, ReadsWhatTheWriterWrote)
{
    const ConfigParse parse = parseRap(rapFromText(RoundTripConfig), SourceRef{QStringLiteral("config.bin"), {}, 0});
    EXPECT_TRUE(parse.notes.isEmpty()) << parse.notes.value(0).text.toStdString();
    EXPECT_TRUE(parse.binarized);
    const ConfigClass *a = parse.root.findPath({u"cfgpatches", u"KST_A"});
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->findValue(u"units")->value.texts(), QStringList({"kst_Truck", "kst_Car"}));
    EXPECT_EQ(a->findValue(u"requiredAddons")->value.texts(), QStringList({"CBA_Main", "nested", "2", "-3"}));
    EXPECT_EQ(a->findValue(u"requiredVersion")->value.text, QStringLiteral("1.62"));
    EXPECT_EQ(a->findValue(u"name")->value.text, QStringLiteral("A \"quoted\" name"));
    EXPECT_EQ(a->findValue(u"scope")->value.text, QStringLiteral("2"));
    const ConfigClass *patches = parse.root.findClass(u"CfgPatches");
    ASSERT_EQ(patches->classes.size(), 3u);
    EXPECT_EQ(patches->classes[1].base, QStringLiteral("kst_a"));
    EXPECT_TRUE(patches->classes[2].declarationOnly);
}

TEST(Rap, DamagedFilesKeepWhatCouldBeRead)
{
    const QByteArray good = rapFromText("a = 1;\nclass Inner { b = \"x\"; };\nc[] = {1,2};\n");
    const auto patched = [&](qsizetype at, QByteArray bytes) {
        QByteArray out = good;
        out.replace(at, bytes.size(), bytes);
        return out;
    };
    const qsizetype innerOffset = good.indexOf("Inner") + 6;
    QByteArray deep("\0raP\0\0\0\0\x08\0\0\0\0\0\0\0", 16);
    // Each class body holds one class whose body follows it: 200 levels.
    for (int i = 0; i < 200; ++i) {
        const quint32 next = quint32(deep.size() + 1 + 1 + 1 + 2 + 4);
        deep.append('\0');     // no base
        deep.append('\x01');   // one entry
        deep.append('\0');     // a class
        deep.append("c\0", 2); // named c
        deep.append(char(next & 0xFF)).append(char((next >> 8) & 0xFF)).append(char(next >> 16)).append('\0');
    }
    deep.append('\0').append('\0');
    const struct {
        const char *name;
        QByteArray bytes;
        bool keepsA;
    } cases[] = {
        {"not raP", "class A {};", false},
        {"unknown version words", patched(8, QByteArray("\x09\0\0\0", 4)), false},
        {"class offset beyond the end", patched(innerOffset, QByteArray("\xff\xff\xff\x00", 4)), true},
        {"class body that is the root again (a loop)", patched(innerOffset, QByteArray("\x10\0\0\0", 4)), true},
        {"entry count beyond the file", patched(17, QByteArray("\xff\xff\xff\x7f", 4)), false},
        {"unknown entry type", patched(18, QByteArray("\x09", 1)), false},
        {"cut in the middle", good.left(good.size() - 12), true},
        {"classes nested 200 deep", deep, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ConfigParse parse = parseRap(c.bytes, SourceRef{QStringLiteral("config.bin"), {}, 0});
        EXPECT_FALSE(parse.notes.isEmpty());
        EXPECT_EQ(parse.root.findValue(u"a") != nullptr, c.keepsA);
    }
}
