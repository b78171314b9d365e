// Figure of the repeater directory: reading the registry's whole DMR
// repeater list (10,000 repeaters, each with a few talkgroups) and choosing
// those of one country.

#include "directory/RepeaterDirectory.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace nerka;

namespace {

QByteArray wholeList(int count) {
    const QStringList countries{QStringLiteral("Germany"), QStringLiteral("United States"),
                                QStringLiteral("Italy"), QStringLiteral("Japan")};
    QJsonArray repeaters;
    for (int i = 0; i < count; ++i) {
        QJsonArray talkgroups;
        for (int t = 0; t < 4; ++t)
            talkgroups.append(QJsonObject{{QStringLiteral("talkgroup"), QString::number(262 + t)},
                                          {QStringLiteral("timeslot"), QString::number(1 + t % 2)},
                                          {QStringLiteral("description"), QStringLiteral("TG")}});
        repeaters.append(QJsonObject{
            {QStringLiteral("callsign"), QStringLiteral("DB0%1").arg(i)},
            {QStringLiteral("city"), QStringLiteral("City %1").arg(i % 500)},
            {QStringLiteral("state"), QStringLiteral("State %1").arg(i % 20)},
            {QStringLiteral("country"), countries[i % countries.size()]},
            {QStringLiteral("frequency"), QString::number(430.0 + (i % 800) * 0.0125, 'f', 5)},
            {QStringLiteral("offset"), QStringLiteral("-7.600")},
            {QStringLiteral("color_code"), QString::number(i % 16)},
            {QStringLiteral("locator"), 262000 + i},
            {QStringLiteral("talkgroups"), talkgroups}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("rptrs"), repeaters}}).toJson();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QByteArray json = wholeList(10'000);
    std::vector<double> runs;
    qsizetype found = 0;
    for (int i = 0; i < 7; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const DirectoryRead read = readRepeaterDirectory(json);
        RepeaterFilter filter;
        filter.country = QStringLiteral("germany");
        filter.bands = {QStringLiteral("70cm")};
        const auto chosen = findRepeaters(read, filter);
        runs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (read.repeaters.size() != 10'000 ||
            !std::holds_alternative<QList<FoundRepeater>>(chosen)) {
            std::fprintf(stderr, "bench_directory: the list was not read whole\n");
            return 1;
        }
        found = std::get<QList<FoundRepeater>>(chosen).size();
    }
    std::sort(runs.begin(), runs.end());
    std::printf("directory.read_filter_10000_ms: %.1f ms\n", runs[runs.size() / 2]);
    std::printf("directory.read_filter_10000_found: %lld repeaters\n",
                static_cast<long long>(found));
    return 0;
}
