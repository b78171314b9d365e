#include "directory/RepeaterDirectory.h"

#include "codeplug/ChannelChecks.h"
#include "codeplug/CsvText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace nerka {

namespace {

constexpr std::uint64_t kHzPerMHz = 1'000'000;
// On 70 cm the North American band plan puts repeater outputs from 442 MHz
// up above their inputs; every other plan (and band) puts inputs below.
constexpr std::uint64_t kUpperOffsetFromHz = 442'000'000;

// A number that may come as JSON text ("439.4125") or as a number.
std::optional<double> jsonNumber(const QJsonValue& value) {
    if (value.isDouble())
        return value.toDouble();
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

std::uint64_t hzOf(double mhz) {
    return std::uint64_t(std::llround(mhz * double(kHzPerMHz)));
}

QList<RepeaterTalkgroup> talkgroupsOf(const QJsonValue& value) {
    QList<RepeaterTalkgroup> talkgroups;
    for (const QJsonValue& entry : value.toArray()) {
        const QJsonObject object = entry.toObject();
        const auto id = jsonNumber(object.value(QLatin1String("talkgroup")));
        if (!id || *id < 1 || *id > 16'777'215)
            continue;
        const auto slot = jsonNumber(object.value(QLatin1String("timeslot")));
        talkgroups.append({std::uint32_t(*id), slot && *slot == 2 ? 2 : 1,
                           object.value(QLatin1String("description")).toString().trimmed()});
    }
    return talkgroups;
}

// One registry entry, or the reason it is no repeater a channel can work.
std::variant<DirectoryRepeater, QString> registryEntry(const QJsonObject& entry, int position) {
    DirectoryRepeater r;
    r.line = position;
    r.callsign = entry.value(QLatin1String("callsign")).toString().trimmed();
    r.city = entry.value(QLatin1String("city")).toString().trimmed();
    r.state = entry.value(QLatin1String("state")).toString().trimmed();
    r.country = entry.value(QLatin1String("country")).toString().trimmed();
    if (r.callsign.isEmpty())
        return QCoreApplication::translate("RepeaterDirectory", "no call sign");
    const auto output = jsonNumber(entry.value(QLatin1String("frequency")));
    if (!output || *output <= 0)
        return QCoreApplication::translate("RepeaterDirectory", "%1: no frequency").arg(r.callsign);
    const QString offsetText =
        entry.value(QLatin1String("offset")).toVariant().toString().trimmed();
    const auto offset = jsonNumber(QJsonValue(offsetText));
    if (!offsetText.isEmpty() && !offset)
        return QCoreApplication::translate("RepeaterDirectory", "%1: offset '%2' unreadable")
            .arg(r.callsign, offsetText);
    const std::uint64_t rxHz = hzOf(*output);
    std::int64_t offsetHz = std::llround(offset.value_or(0) * double(kHzPerMHz));
    const bool signed_ = offsetText.startsWith(u'+') || offsetText.startsWith(u'-');
    if (!signed_ && offsetHz != 0) {
        r.offsetSignGuessed = true;
        if (rxHz < kUpperOffsetFromHz || rxHz >= 450'000'000)
            offsetHz = -std::abs(offsetHz);
    }
    if (std::int64_t(rxHz) + offsetHz <= 0)
        return QCoreApplication::translate("RepeaterDirectory", "%1: offset below 0 Hz")
            .arg(r.callsign);
    r.channel.name = storedChannelName(r.callsign);
    r.channel.rxHz = rxHz;
    r.channel.txHz = std::uint64_t(std::int64_t(rxHz) + offsetHz);
    r.channel.isDMR = true;
    const auto colorCode = jsonNumber(entry.value(QLatin1String("color_code")));
    if (!colorCode || *colorCode < 0 || *colorCode > 15)
        return QCoreApplication::translate("RepeaterDirectory", "%1: colour code not 0–15")
            .arg(r.callsign);
    r.channel.colorCode = int(*colorCode);
    r.talkgroups = talkgroupsOf(entry.value(QLatin1String("talkgroups")));
    return r;
}

int columnNamed(const QStringList& header, QLatin1String name) {
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (header[i].trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

} // namespace

DirectoryRead parseRegistryRepeaters(const QByteArray& json) {
    DirectoryRead read;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        read.failure =
            QCoreApplication::translate("RepeaterDirectory", "The repeater list is not JSON: %1.")
                .arg(error.errorString());
        return read;
    }
    const QJsonObject top = document.object();
    const bool paged = top.contains(QLatin1String("results"));
    const QJsonArray entries =
        top.value(paged ? QLatin1String("results") : QLatin1String("rptrs")).toArray();
    if (!paged && !top.contains(QLatin1String("rptrs"))) {
        read.failure = QCoreApplication::translate(
            "RepeaterDirectory", "The JSON holds no repeater list (no \"results\" or "
                                 "\"rptrs\").");
        return read;
    }
    read.page = int(jsonNumber(top.value(QLatin1String("page"))).value_or(1));
    read.pages = int(jsonNumber(top.value(QLatin1String("pages"))).value_or(1));
    read.count =
        int(jsonNumber(top.value(QLatin1String("count"))).value_or(double(entries.size())));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        auto entry = registryEntry(entries[i].toObject(), int(i + 1));
        if (auto* reason = std::get_if<QString>(&entry))
            read.skipped.append({int(i + 1), *reason});
        else
            read.repeaters.append(std::get<DirectoryRepeater>(std::move(entry)));
    }
    return read;
}

DirectoryRead parseRepeaterListWithPlaces(const QString& text) {
    DirectoryRead read;
    const RepeaterListImport list = parseRepeaterListCsv(text);
    read.skipped = list.skipped;
    const QList<CsvTextRow> rows = splitCsvText(text);
    if (rows.isEmpty())
        return read;
    const QStringList& header = rows.first().fields;
    const int lat = columnNamed(header, QLatin1String("Latitude"));
    const int lon = columnNamed(header, QLatin1String("Longitude"));
    const int city = columnNamed(header, QLatin1String("City"));
    const int state = columnNamed(header, QLatin1String("State"));
    const int country = columnNamed(header, QLatin1String("Country"));
    read.hasPlaces = lat >= 0 && lon >= 0;
    QHash<int, const CsvTextRow*> byLine;
    for (const CsvTextRow& row : rows)
        byLine.insert(row.line, &row);
    for (qsizetype i = 0; i < list.channels.size(); ++i) {
        DirectoryRepeater r;
        r.line = list.lines.value(i);
        r.channel = list.channels[i];
        r.callsign = r.channel.name;
        if (const CsvTextRow* row = byLine.value(r.line)) {
            const auto field = [&](int column) {
                return column >= 0 ? row->fields.value(column).trimmed() : QString();
            };
            r.city = field(city);
            r.state = field(state);
            r.country = field(country);
            if (read.hasPlaces)
                r.place = parsePlace(field(lat) + u',' + field(lon));
        }
        read.repeaters.append(r);
    }
    return read;
}

DirectoryRead readRepeaterDirectory(const QByteArray& bytes) {
    // The first byte that is no white space (after a UTF-8 byte order mark)
    // tells JSON from CSV without decoding the whole text.
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    const auto first = std::find_if(view.cbegin(), view.cend(), [](char c) {
        return c != ' ' && c != '\t' && c != '\r' && c != '\n';
    });
    if (first != view.cend() && *first == '{')
        return parseRegistryRepeaters(bytes);
    const QString text = QString::fromUtf8(bytes);
    if (!isRepeaterListCsv(text)) {
        DirectoryRead read;
        read.failure = QCoreApplication::translate(
            "RepeaterDirectory", "Neither a repeater list of the DMR-ID registry (JSON) nor "
                                 "a repeater-list CSV.");
        return read;
    }
    return parseRepeaterListWithPlaces(text);
}

std::variant<QList<FoundRepeater>, QString> findRepeaters(const DirectoryRead& read,
                                                          const RepeaterFilter& filter) {
    if (filter.near && !read.hasPlaces)
        return QCoreApplication::translate(
            "RepeaterDirectory", "This list has no coordinates, so it cannot be searched by "
                                 "distance: choose by city, state or country.");
    for (const QString& band : filter.bands) {
        if (band != QLatin1String("2m") && band != QLatin1String("70cm"))
            return QCoreApplication::translate("RepeaterDirectory",
                                               "Unknown band '%1': use 2m or 70cm.")
                .arg(band);
    }
    for (const QString& mode : filter.modes) {
        if (mode != QLatin1String("fm") && mode != QLatin1String("dmr"))
            return QCoreApplication::translate("RepeaterDirectory",
                                               "Unknown mode '%1': use fm or dmr.")
                .arg(mode);
    }
    const auto same = [](const QString& wanted, const QString& have) {
        return wanted.isEmpty() || wanted.compare(have, Qt::CaseInsensitive) == 0;
    };
    const auto inBand = [&](std::uint64_t hz) {
        if (filter.bands.isEmpty())
            return true;
        return (filter.bands.contains(QLatin1String("2m")) && hz >= 144'000'000 &&
                hz <= 148'000'000) ||
               (filter.bands.contains(QLatin1String("70cm")) && hz >= 420'000'000 &&
                hz <= 450'000'000);
    };
    QList<FoundRepeater> found;
    for (const DirectoryRepeater& r : read.repeaters) {
        if (!same(filter.city, r.city) || !same(filter.state, r.state) ||
            !same(filter.country, r.country) || !inBand(r.channel.rxHz))
            continue;
        if (!filter.modes.isEmpty() &&
            !filter.modes.contains(r.channel.isDMR ? QLatin1String("dmr") : QLatin1String("fm")))
            continue;
        FoundRepeater f{r, std::nullopt, std::nullopt};
        if (filter.near) {
            if (!r.place)
                continue;
            f.distanceKm = distanceKm(*filter.near, *r.place);
            f.bearingDeg = bearingDeg(*filter.near, *r.place);
            if (filter.radiusKm && *f.distanceKm > *filter.radiusKm)
                continue;
        }
        found.append(f);
    }
    std::stable_sort(
        found.begin(), found.end(), [&](const FoundRepeater& a, const FoundRepeater& b) {
            if (filter.near)
                return *a.distanceKm < *b.distanceKm;
            const int byCity = a.repeater.city.compare(b.repeater.city, Qt::CaseInsensitive);
            return byCity != 0
                       ? byCity < 0
                       : a.repeater.callsign.compare(b.repeater.callsign, Qt::CaseInsensitive) < 0;
        });
    return found;
}

QStringList directoryChanges(const QList<RadioChannel>& channels, const DirectoryRead& read) {
    QHash<QString, const DirectoryRepeater*> byName;
    for (const DirectoryRepeater& repeater : read.repeaters) {
        if (!byName.contains(repeater.channel.name))
            byName.insert(repeater.channel.name, &repeater);
    }
    const auto mhz = [](std::uint64_t hz) { return QString::number(double(hz) / 1e6, 'f', 5); };
    QStringList lines;
    for (const RadioChannel& channel : channels) {
        const DirectoryRepeater* repeater = byName.value(channel.name);
        if (!repeater) {
            lines.append(QCoreApplication::translate("RepeaterDirectory", "%1: not in the list")
                             .arg(channel.name));
            continue;
        }
        QStringList changed;
        if (repeater->channel.rxHz != channel.rxHz)
            changed.append(QStringLiteral("RX %1 → %2 MHz")
                               .arg(mhz(channel.rxHz), mhz(repeater->channel.rxHz)));
        if (repeater->channel.txHz != channel.txHz)
            changed.append(QStringLiteral("TX %1 → %2 MHz")
                               .arg(mhz(channel.txHz), mhz(repeater->channel.txHz)));
        if (repeater->channel.isDMR && channel.isDMR() &&
            repeater->channel.colorCode != channel.colorCode)
            changed.append(QCoreApplication::translate("RepeaterDirectory", "colour code %1 → %2")
                               .arg(channel.colorCode)
                               .arg(repeater->channel.colorCode));
        if (!changed.isEmpty())
            lines.append(channel.name + QStringLiteral(": ") + changed.join(QStringLiteral(", ")));
    }
    return lines;
}

} // namespace nerka
