#include "cli/CliCommand.h"
#include "cli/ControllerSession.h"

#include "controller/FileStore.h"
#include "controller/RadioController.h"
#include "controller/RepeaterDownload.h"
#include "directory/RepeaterDirectory.h"

#include <QEventLoop>
#include <QNetworkAccessManager>

#include <cmath>

namespace nerka::cli {

namespace {

int runRepeaters(CliContext& context);

const CliCommand kRepeaters{
    "repeaters",
    "FILE --source PATH|URL [--near LOCATOR|LAT,LON [--radius KM]] [--city NAME] [--state NAME] "
    "[--country NAME] [--band 2m,70cm] [--mode fm,dmr] [--zone NAME] [-o OUT]",
    "add the repeaters of a directory list (the DMR-ID registry's JSON, or a repeater-list CSV "
    "with Latitude and Longitude) that pass the filters to a codeplug file as channels, in a "
    "zone; without -o only list them",
    &runRepeaters};
const CliRegistration kRepeatersRegistration{kRepeaters};

// How long one answer of a directory may stall.
constexpr int kDownloadTimeoutMs = 60000;

QStringList listOption(const QString& value) {
    QStringList items;
    for (const QString& item : value.split(u',', Qt::SkipEmptyParts))
        items.append(item.trimmed().toLower());
    return items;
}

// "DB0ZU  München  439.41250 → 431.81250  DMR CC1  12.3 km 245°"
QString foundLine(const FoundRepeater& found) {
    const DirectoryRepeater& r = found.repeater;
    QString line = QStringLiteral("%1  %2  %3 → %4  %5")
                       .arg(r.callsign, r.city.isEmpty() ? QStringLiteral("—") : r.city)
                       .arg(r.channel.rxHz / 1e6, 0, 'f', 5)
                       .arg(r.channel.txHz / 1e6, 0, 'f', 5)
                       .arg(r.channel.isDMR ? QStringLiteral("DMR CC%1").arg(r.channel.colorCode)
                                            : QStringLiteral("FM"));
    if (found.distanceKm)
        line += QStringLiteral("  %1 km %2°")
                    .arg(*found.distanceKm, 0, 'f', 1)
                    .arg(std::lround(*found.bearingDeg));
    return line;
}

// The list at a path, or at an http(s) address (every page of a paged answer).
DirectoryRead readSource(RadioController& controller, const QString& source) {
    const QUrl url(source);
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
        QNetworkAccessManager network;
        QEventLoop loop;
        RepeaterDownload::Result fetched;
        RepeaterDownload::fetch(network, url, kDownloadTimeoutMs, &loop,
                                [&](const RepeaterDownload::Result& result) {
                                    fetched = result;
                                    loop.quit();
                                });
        loop.exec();
        if (fetched.read.failure.isEmpty())
            controller.activityLog().append(
                QStringLiteral("%1 repeaters read from %2 (%3 requests).")
                    .arg(fetched.read.repeaters.size())
                    .arg(url.toDisplayString())
                    .arg(fetched.requests));
        return fetched.read;
    }
    const auto bytes = FileStore::read(source, FileStore::Kind::channelCsv);
    if (const auto* failure = std::get_if<QString>(&bytes)) {
        DirectoryRead read;
        read.failure = *failure;
        return read;
    }
    return readRepeaterDirectory(std::get<QByteArray>(bytes));
}

// The filter options of the command.
struct FilterOptions {
    QCommandLineOption near{QStringLiteral("near"),
                            QStringLiteral("Place: a Maidenhead locator or LAT,LON."),
                            QStringLiteral("PLACE")};
    QCommandLineOption radius{QStringLiteral("radius"),
                              QStringLiteral("Distance from the place, in km."),
                              QStringLiteral("KM")};
    QCommandLineOption city{QStringLiteral("city"), QStringLiteral("City."),
                            QStringLiteral("NAME")};
    QCommandLineOption state{QStringLiteral("state"), QStringLiteral("State."),
                             QStringLiteral("NAME")};
    QCommandLineOption country{QStringLiteral("country"), QStringLiteral("Country."),
                               QStringLiteral("NAME")};
    QCommandLineOption band{QStringLiteral("band"), QStringLiteral("Bands: 2m, 70cm."),
                            QStringLiteral("LIST")};
    QCommandLineOption mode{QStringLiteral("mode"), QStringLiteral("Modes: fm, dmr."),
                            QStringLiteral("LIST")};

    void addTo(QCommandLineParser& parser) const {
        for (const QCommandLineOption* option :
             {&near, &radius, &city, &state, &country, &band, &mode})
            parser.addOption(*option);
    }
    // The filter the options ask for, or the usage error's text.
    std::variant<RepeaterFilter, QString> filter(const QCommandLineParser& parser) const {
        RepeaterFilter filter;
        if (parser.isSet(near)) {
            filter.near = parsePlace(parser.value(near));
            if (!filter.near)
                return QStringLiteral("not a locator or LAT,LON: ") + parser.value(near);
        }
        if (parser.isSet(radius)) {
            bool ok = false;
            filter.radiusKm = parser.value(radius).toDouble(&ok);
            if (!ok || *filter.radiusKm <= 0 || !filter.near)
                return QStringLiteral("--radius needs --near and a distance in km");
        }
        filter.city = parser.value(city);
        filter.state = parser.value(state);
        filter.country = parser.value(country);
        filter.bands = listOption(parser.value(band));
        filter.modes = listOption(parser.value(mode));
        return filter;
    }
};

int runRepeaters(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption source(
        QStringLiteral("source"),
        QStringLiteral("Repeater list: a JSON or CSV file, or its http(s) address."),
        QStringLiteral("PATH"));
    const FilterOptions filters;
    const QCommandLineOption zone(QStringLiteral("zone"),
                                  QStringLiteral("Zone the channels join (made when missing)."),
                                  QStringLiteral("NAME"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Codeplug file to save."),
                                    QStringLiteral("OUT"));
    parser.addOption(source);
    filters.addTo(parser);
    parser.addOption(zone);
    parser.addOption(output);
    if (auto code = parseArguments(context, kRepeaters, parser, 1, 1))
        return *code;
    if (parser.value(source).isEmpty())
        return usageError(context, kRepeaters, QStringLiteral("missing --source PATH"));
    const auto asked = filters.filter(parser);
    if (const auto* usage = std::get_if<QString>(&asked))
        return usageError(context, kRepeaters, *usage);
    const RepeaterFilter& filter = std::get<RepeaterFilter>(asked);

    ControllerSession session(context);
    RadioController& controller = session.controller();
    const QString out = parser.value(output);
    if (!out.isEmpty() && !session.checkOutput(out))
        return kExitFailed;
    if (!controller.openCodeplugFile(parser.positionalArguments().first()).isDone())
        return kExitFailed;
    const DirectoryRead read = readSource(controller, parser.value(source));
    if (!read.failure.isEmpty()) {
        controller.activityLog().appendError(read.failure);
        session.finish();
        return kExitFailed;
    }
    auto found = findRepeaters(read, filter);
    if (const auto* refused = std::get_if<QString>(&found)) {
        controller.activityLog().appendError(*refused);
        session.finish();
        return kExitFailed;
    }
    const QList<FoundRepeater>& list = std::get<QList<FoundRepeater>>(found);
    for (const FoundRepeater& f : list)
        context.out << foundLine(f) << '\n';
    context.out.flush();
    if (out.isEmpty())
        return kExitOk;
    QList<DirectoryRepeater> repeaters;
    for (const FoundRepeater& f : list)
        repeaters.append(f.repeater);
    if (controller.document().addRepeaters(repeaters, parser.value(zone)).isRefused())
        return kExitFailed;
    return ControllerSession::exitCode(controller.saveCodeplugFile(out).isDone());
}

} // namespace

} // namespace nerka::cli
