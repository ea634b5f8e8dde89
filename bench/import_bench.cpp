// SPDX-License-Identifier: MIT
// The import's two costs that grow with the user's files:
//  - the scan of a game installation of 400 PBOs of 50 MB each (sparse
//    files: a header, a config and one large entry), first without and then
//    with the cache: its time, the share of the bytes it read, and both
//    against a baseline of listing and stat-ing the same files;
//  - the import of a mission whose mission.sqm is 5 MB, as text and
//    binarized: its time against a plain read of the same file.
// The best of several runs counts where a run changes nothing.

#include "gamefiles.h"
#include "gamescan.h"
#include "importer.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace kestrin;
using namespace kestrin::import;

namespace {

double ms(const std::function<void()> &work, int runs = 1)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

constexpr qint64 PboSize = 50LL * 1024 * 1024;

bool makeSparsePbo(const QString &path, int index)
{
    const QByteArray config = testing::rapFromText(
        QStringLiteral(
            "class CfgPatches { class Official_%1 { requiredVersion = 1.0; requiredAddons[] = {\"CAData\"}; }; };")
            .arg(index)
            .toUtf8());
    // The header: the config, then one entry that fills the rest of the 50 MB.
    const auto makeHeader = [&](quint32 rest) {
        QByteArray header;
        const auto put = [&](const QByteArray &name, quint32 size) {
            header.append(name).append('\0');
            for (quint32 v : {0u, 0u, 0u, 0u, size})
                for (int i = 0; i < 4; ++i)
                    header.append(char((v >> (8 * i)) & 0xFF));
        };
        put("config.bin", quint32(config.size()));
        put("data\\terrain.wrp", rest);
        put("", 0);
        return header;
    };
    const QByteArray header = makeHeader(quint32(PboSize - makeHeader(0).size() - config.size()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(header);
    file.write(config);
    return file.resize(PboSize);
}

QByteArray bigMissionSqm(qsizetype atLeast)
{
    QByteArray text = "version=11;\nclass Mission\n{\n\taddOns[]=\n\t{\n\t\t\"chernarus\",\n\t\t\"ace_main\"\n\t};\n"
                      "\tclass Intel\n\t{\n\t\tbriefingName=\"Big\";\n\t};\n\tclass Groups\n\t{\n";
    for (int i = 0; text.size() < atLeast; ++i) {
        text += "\t\tclass Item" + QByteArray::number(i)
                + "\n\t\t{\n\t\t\tside=\"WEST\";\n\t\t\tclass Vehicles\n\t\t\t{\n"
                  "\t\t\t\titems=1;\n\t\t\t\tclass Item0\n\t\t\t\t{\n\t\t\t\t\tposition[]={"
                + QByteArray::number(1000 + i) + ".5,12.25," + QByteArray::number(2000 + i)
                + ".75};\n\t\t\t\t\tazimut=90;\n\t\t\t\t\tid=" + QByteArray::number(i)
                + ";\n\t\t\t\t\tside=\"WEST\";\n\t\t\t\t\tvehicle=\"USMC_Soldier\";\n\t\t\t\t\tskill=0.6;\n"
                  "\t\t\t\t\tinit=\"this setCaptive true; hint \"\"ready\"\";\";\n\t\t\t\t};\n\t\t\t};\n\t\t};\n";
    }
    return text + "\t};\n};\n";
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("game"));
    QDir().mkpath(game + QLatin1String("/AddOns"));
    QDir().mkpath(game + QLatin1String("/Expansion/Addons"));
    for (int i = 0; i < 400; ++i) {
        const QString folder = i < 300 ? QStringLiteral("/AddOns/") : QStringLiteral("/Expansion/Addons/");
        if (!makeSparsePbo(game + folder + QStringLiteral("official_%1.pbo").arg(i), i)) {
            std::fprintf(stderr, "could not write the installation\n");
            return 1;
        }
    }

    // Baseline: list and stat every PBO, as any scan must.
    const double listMs = ms(
        [&] {
            qint64 total = 0;
            QDirIterator it(game, {QStringLiteral("*.pbo")}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                it.next();
                total += it.fileInfo().size() + it.fileInfo().lastModified().toMSecsSinceEpoch() % 2;
            }
            (void)total;
        },
        5);

    ScanCache cache;
    cache.load(dir.filePath(QStringLiteral("cache.json")));
    ScanResult first;
    const double firstMs = ms([&] { first = scanInstallations({game}, &cache); });
    ScanResult again;
    ScanCache reloaded;
    const double cachedMs = ms(
        [&] {
            reloaded.load(dir.filePath(QStringLiteral("cache.json")));
            again = scanInstallations({game}, &reloaded);
        },
        5);
    std::printf("game installation: %d PBOs, %.1f GB (sparse); %lld official classes\n", first.pboCount,
                double(first.bytesTotal) / 1e9, (long long)first.addons.size());
    std::printf("  first scan      %8.1f ms  read %lld bytes = %.4f %% of the bytes  (%.1f x listing)\n", firstMs,
                (long long)first.bytesRead, 100.0 * double(first.bytesRead) / double(first.bytesTotal),
                firstMs / listMs);
    std::printf("  cached rescan   %8.1f ms  read %lld bytes, %d of %d from the cache  (%.1f x listing)\n", cachedMs,
                (long long)again.bytesRead, again.fromCache, again.pboCount, cachedMs / listMs);
    std::printf("  listing + stat  %8.1f ms  (baseline)\n", listMs);

    const OfficialAddons official = first.addons;
    const QByteArray sqm = bigMissionSqm(5 * 1024 * 1024);
    const QString text = dir.filePath(QStringLiteral("missions/Big.Chernarus"));
    const QString binary = dir.filePath(QStringLiteral("missions/BigBinary.Chernarus"));
    testing::writeFile(text + QLatin1String("/mission.sqm"), sqm);
    testing::writeFile(binary + QLatin1String("/mission.sqm"), testing::rapFromText(sqm));
    for (const auto &[name, path] : {std::pair{"text", text}, std::pair{"binarized", binary}}) {
        const QString file = path + QLatin1String("/mission.sqm");
        const double readMs = ms(
            [&] {
                QFile f(file);
                f.open(QIODevice::ReadOnly);
                (void)f.readAll();
            },
            5);
        ImportResult result;
        const double importMs = ms([&] { result = importArticle(path, official); }, 5);
        std::printf(
            "mission.sqm %-9s %.1f MB: import %7.1f ms (%.0f x a plain read of %.2f ms); %lld addons, name %s\n", name,
            double(QFileInfo(file).size()) / 1e6, importMs, importMs / readMs, readMs,
            (long long)result.requiredAddons.size(),
            qPrintable(result.proposal(ProposalField::Name) ? result.proposal(ProposalField::Name)->value : QString()));
    }
    return 0;
}
