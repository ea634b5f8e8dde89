// SPDX-License-Identifier: MIT
// The article reader against plain parsing of the same text, for texts whose
// problem reporting once grew with the square of the line length: objects
// of 100,000 and 1,000,000 unknown keys on one line, and a valid article of
// 1 MB on one line. Prints per input: readArticle's time, the time of a
// RapidJSON parse that does nothing with the events, of QJsonDocument's
// parse, and the ratios. The best of several runs counts.

#include "article.h"
#include "articlereader.h"

#include <QElapsedTimer>
#include <QJsonDocument>

#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace kestrin;

namespace {

double bestMs(int runs, const std::function<void()> &work)
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

QByteArray unknownKeys(int count)
{
    QByteArray json = "{";
    for (int i = 0; i < count; ++i)
        json += (i ? ", \"k" : "\"k") + QByteArray::number(i) + "\": 0";
    return json + "}";
}

QByteArray oneMegabyteArticle()
{
    QByteArray json = R"({"formatVersion": 1, "name": "Harbour Raid", "description": [)";
    for (int i = 0; json.size() < 1024 * 1024; ++i)
        json += (i ? ", \"" : "\"") + QByteArray("Take the harbour before dawn, line ") + QByteArray::number(i) + '"';
    return json + "]}";
}

} // namespace

int main()
{
    struct Input {
        const char *name;
        QByteArray json;
        int runs;
    };
    const Input inputs[] = {
        {"100,000 unknown keys on one line", unknownKeys(100000), 5},
        {"1,000,000 unknown keys on one line", unknownKeys(1000000), 3},
        {"valid article of 1 MB on one line", oneMegabyteArticle(), 5},
    };
    std::printf("%-36s %10s %10s %10s %12s %12s\n", "input", "read ms", "parse ms", "Qt ms", "read/parse", "read/Qt");
    for (const Input &in : inputs) {
        qsizetype problems = 0;
        const double read = bestMs(in.runs, [&] {
            const ArticleReadResult r = readArticle(in.json);
            problems = r.problems.size() + r.unlistedProblems;
        });
        const double parse = bestMs(in.runs, [&] {
            rapidjson::MemoryStream stream(in.json.constData(), size_t(in.json.size()));
            rapidjson::BaseReaderHandler<> handler;
            rapidjson::Reader().Parse<rapidjson::kParseValidateEncodingFlag>(stream, handler);
        });
        const double qt = bestMs(in.runs, [&] { QJsonDocument::fromJson(in.json); });
        std::printf("%-36s %10.1f %10.1f %10.1f %12.2f %12.2f   (%lld problems, %lld bytes)\n", in.name, read, parse,
                    qt, read / parse, read / qt, (long long)problems, (long long)in.json.size());
    }
    return 0;
}
