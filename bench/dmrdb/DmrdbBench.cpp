// Figures for the DMR user database with a synthetic worldwide-style ID list
// (RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME,CITY,STATE,COUNTRY; a share of
// non-ASCII names): CSV parse time and throughput beside a bare line-break
// scan of the same bytes, encoding a million entries for the uv380 family, and
// the peak resident memory of a separate process that reads, parses and
// encodes the million-row file; choosing the entries of five preferred
// prefixes from a million (alone, and with sorting the list first, as when a
// new list arrives); and, from bench_dmrdb_screen beside this program, the
// longest stall of the window while the selection is edited on a million-entry
// list.

#include "dmrdb/DMRFlashFormat.h"
#include "dmrdb/DMRSelection.h"
#include "dmrdb/DMRUserDBImport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

using namespace nerka;

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::array kFirstNames{
    "John",   "Michael",  "David",    "Robert",  "James",       "William",  "Thomas",  "Richard",
    "Mark",   "Peter",    "Paul",     "Steven",  "Christopher", "Daniel",   "Anthony", "Kenneth",
    "Hans",   "Wolfgang", "Klaus",    "Stefan",  "Andreas",     "Giovanni", "Marco",   "Luca",
    "Pierre", "Jean",     "Carlos",   "Antonio", "Takashi",     "Hiroshi",  "Mary",    "Susan",
    "Jürgen", "José",     "François", "Łukasz",  "Søren",       "Ólafur",   "Dmitriy", "Zoë"};
constexpr std::array kLastNames{
    "Smith",     "Johnson",   "Williams", "Brown",        "Jones",    "Miller",
    "Davis",     "Wilson",    "Anderson", "Taylor",       "Thomas",   "Moore",
    "Martin",    "Jackson",   "Thompson", "White",        "Müller",   "Schmidt",
    "Schneider", "Fischer",   "Weber",    "Rossi",        "Bianchi",  "Dubois",
    "García",    "Fernández", "Nowak",    "Kowalski",     "Sørensen", "Tanaka",
    "Suzuki",    "O'Brien",   "",         "Van der Berg", "Lefèvre",  "Gonçalves"};
constexpr std::array kCities{"Springfield", "Portland",  "Berlin",   "München", "Milano",
                             "Lyon",        "São Paulo", "Kraków",   "Tokyo",   "Toronto",
                             "Sydney",      "Austin",    "Göteborg", "Zürich",  "Madrid",
                             "Den Haag",    "Reykjavík", "Anchorage"};
constexpr std::array kStates{"Texas",  "Ohio",     "Bayern", "Lombardia",     "Ontario",
                             "Oregon", "Victoria", "",       "Île-de-France", "Kantō"};
constexpr std::array kCountries{"United States", "Germany", "Italy",       "France",    "Brazil",
                                "Poland",        "Japan",   "Canada",      "Australia", "Sweden",
                                "Switzerland",   "Spain",   "Netherlands", "Iceland"};

// A worldwide-style list: IDs rise with small random gaps, with a few rows
// out of place so that the encoder's sort has work to do.
QByteArray generateCsv(int rows, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&random](const auto& list) {
        return list[std::uniform_int_distribution<size_t>(0, list.size() - 1)(random)];
    };
    auto letter = [&random] { return char('A' + random() % 26); };

    QByteArray csv;
    csv.reserve(qsizetype(rows) * 72);
    csv += "RADIO_ID,CALLSIGN,FIRST_NAME,LAST_NAME,CITY,STATE,COUNTRY\n";
    std::uint32_t id = 1023001;
    std::string line;
    for (int row = 0; row < rows; ++row) {
        id += 1 + random() % 12;
        std::uint32_t rowId = id;
        if (random() % 100 == 0)
            rowId = 1023001 + random() % id; // out of order, sometimes a duplicate
        line = std::to_string(rowId);
        line += ',';
        line += letter();
        if (random() % 2)
            line += letter();
        line += char('0' + random() % 10);
        for (int n = 2 + int(random() % 2); n > 0; --n)
            line += letter();
        line += ',';
        line += pick(kFirstNames);
        line += ',';
        line += pick(kLastNames);
        line += ',';
        line += pick(kCities);
        line += ',';
        line += pick(kStates);
        line += ',';
        line += pick(kCountries);
        line += '\n';
        csv.append(line.data(), qsizetype(line.size()));
    }
    return csv;
}

template <typename F> double bestMs(int runs, F&& run) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        run();
        const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

// Count of line feeds, found with memchr: the floor any line reader pays.
qsizetype countLineFeeds(const QByteArray& bytes) {
    qsizetype count = 0;
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    while (p < end) {
        const void* hit = std::memchr(p, '\n', size_t(end - p));
        if (!hit)
            break;
        ++count;
        p = static_cast<const char*>(hit) + 1;
    }
    return count;
}

long peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// The child process: read, parse and encode one file as the application
// would, then report the peak resident memory in KiB.
int rssChild(const QString& path) {
    DMRUserDatabase database;
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray bytes = file.readAll();
        database.entries = DMRUserDBImport::parseFileContents(bytes).entries;
    }
    const DMRFlashImage image = encodeForFlash(database, RadioVariant::uv380);
    std::printf("%ld %lld\n", peakResidentKb(), static_cast<long long>(image.written));
    return 0;
}

long long rounded(double value) {
    return std::llround(value);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--rss-child") == 0)
        return rssChild(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);

    const QByteArray csv300k = generateCsv(300000, 300);
    qsizetype parsed = 0;
    const double parseMs =
        bestMs(11, [&] { parsed = DMRUserDBImport::parseFileContents(csv300k).parsed; });
    qsizetype lines = 0;
    const double scanMs = bestMs(11, [&] { lines = countLineFeeds(csv300k); });
    const double megabytes = double(csv300k.size()) / 1e6;
    if (parsed < 290000 || lines != 300001) {
        std::fprintf(stderr, "bench_dmrdb: unexpected parse result %lld / %lld\n",
                     static_cast<long long>(parsed), static_cast<long long>(lines));
        return 1;
    }

    const QByteArray csv1m = generateCsv(1000000, 1000);
    DMRUserDatabase database;
    database.entries = DMRUserDBImport::parseUtf8(csv1m).entries;
    qsizetype written = 0;
    const double encodeMs =
        bestMs(5, [&] { written = encodeForFlash(database, RadioVariant::uv380).written; });

    // Five countries first, the rest of a GD-77 filled by lowest ID.
    const DMRSelection selection{{QStringLiteral("262"), QStringLiteral("263"),
                                  QStringLiteral("232"), QStringLiteral("228"),
                                  QStringLiteral("208")},
                                 true};
    const qsizetype gd77 = capacity(RadioVariant::gd77, DMRDBFormat::compressed, 16);
    const std::vector<std::uint32_t> ids = receivableEntries(database.entries).ids;
    qsizetype selected = 0;
    const double selectMs =
        bestMs(11, [&] { selected = selectForRadio(ids, gd77, selection).selected; });
    const double prepareAndSelectMs = bestMs(5, [&] {
        selected =
            selectForRadio(receivableEntries(database.entries).ids, gd77, selection).selected;
    });
    database = {};
    if (selected <= 0) {
        std::fprintf(stderr, "bench_dmrdb: the selection matched nothing\n");
        return 1;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("user-1m.csv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(csv1m) != csv1m.size())
            return 1;
    }
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--rss-child"), path});
    child.waitForFinished(-1);
    const QList<QByteArray> reply = child.readAllStandardOutput().trimmed().split(' ');
    const long peakKb = reply.size() == 2 ? reply[0].toLong() : -1;
    if (child.exitCode() != 0 || peakKb <= 0 || reply[1].toLongLong() != written) {
        std::fprintf(stderr, "bench_dmrdb: memory probe failed\n");
        return 1;
    }

    std::printf("dmrdb.parse_300k: %lld ms\n", rounded(parseMs));
    std::printf("dmrdb.parse_mb_per_s: %lld\n", rounded(megabytes / (parseMs / 1000.0)));
    std::printf("dmrdb.newline_scan_mb_per_s: %lld\n", rounded(megabytes / (scanMs / 1000.0)));
    std::printf("dmrdb.encode_1m_uv380: %lld ms\n", rounded(encodeMs));
    std::printf("dmrdb.peak_rss_1m: %lld MB\n", rounded(double(peakKb) / 1024.0));
    std::printf("dmrdb.select_1m_ms: %.3f ms\n", selectMs);
    std::printf("dmrdb.sort_and_select_1m_ms: %lld ms\n", rounded(prepareAndSelectMs));
    std::fflush(stdout);

    // The window's figure runs in a program of its own (it needs the widget
    // libraries); its lines are passed on as they are.
    const QString screen =
        QCoreApplication::applicationDirPath() + QStringLiteral("/bench_dmrdb_screen");
    if (QFile::exists(screen)) {
        QProcess figures;
        figures.setProcessChannelMode(QProcess::ForwardedChannels);
        figures.start(screen, {});
        figures.waitForFinished(-1);
        if (figures.exitStatus() != QProcess::NormalExit || figures.exitCode() != 0)
            return 1;
    }
    return 0;
}
