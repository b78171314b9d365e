#pragma once

#include "codeplug/RadioChannel.h"
#include "codeplug/RepeaterListCsv.h"
#include "directory/GeoPoint.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>

namespace nerka {

// A talkgroup a DMR repeater carries, as the directory lists it.
struct RepeaterTalkgroup {
    std::uint32_t id = 0;
    int timeSlot = 1; // 1 or 2
    QString name;
};

// One repeater of a directory, as the channel that works it: RX is the
// repeater's output, TX its input.
struct DirectoryRepeater {
    int line = 0; // the row's line in a CSV file, or its position in a JSON answer (1-based)
    QString callsign;
    QString city;
    QString state;
    QString country;
    ChannelEdit channel;
    std::optional<GeoPoint> place;
    QList<RepeaterTalkgroup> talkgroups;
    // The directory gave the offset without a sign; the band plans gave it one.
    bool offsetSignGuessed = false;
};

struct DirectoryRead {
    QList<DirectoryRepeater> repeaters;
    QList<SkippedCsvRow> skipped; // entries that are no repeater a channel can work
    bool hasPlaces = false;       // the source gives coordinates
    // A paged answer: this page, the number of pages and of entries in all.
    int page = 1;
    int pages = 1;
    int count = 0;
    QString failure; // the text could not be read at all
};

// The DMR repeater list of the DMR-ID registry: a paged answer ({"count",
// "page", "pages", "results": [...]}) or the whole-list download ({"rptrs":
// [...]}), each entry with callsign, city, state, country, frequency (MHz, the
// output), offset (MHz; without a sign it goes down, except on 70 cm from 442
// MHz up, as the band plans have it), color_code, locator (the repeater's
// ID), status, ipsc_network, trustee and talkgroups ({talkgroup, timeslot,
// description}). Numbers may come as text. No coordinates.
[[nodiscard]] DirectoryRead parseRegistryRepeaters(const QByteArray& json);

// A repeater-list CSV (RepeaterListCsv.h) whose header also names Latitude
// and Longitude (decimal degrees); City, State and Country columns are read
// when present. Rows without coordinates are kept, without a place.
[[nodiscard]] DirectoryRead parseRepeaterListWithPlaces(const QString& text);

// Either of the above, told apart by the first character that is not white
// space ("{" is JSON).
[[nodiscard]] DirectoryRead readRepeaterDirectory(const QByteArray& bytes);

// What a user asks for; every condition given must hold.
struct RepeaterFilter {
    std::optional<GeoPoint> near;
    std::optional<double> radiusKm;
    QString city;      // compared ignoring case
    QString state;     // compared ignoring case
    QString country;   // compared ignoring case
    QStringList bands; // "2m", "70cm"; empty: any
    QStringList modes; // "fm", "dmr"; empty: any
};

struct FoundRepeater {
    DirectoryRepeater repeater;
    std::optional<double> distanceKm; // from the place asked for
    std::optional<double> bearingDeg;
};

// The repeaters that pass the filter: by distance when a place is given,
// else by city and call sign. A distance asked of a source without
// coordinates, or an unknown band or mode, is refused with its reason.
[[nodiscard]] std::variant<QList<FoundRepeater>, QString>
findRepeaters(const DirectoryRead& read, const RepeaterFilter& filter);

// Channels checked against a directory list: for each channel named like a
// repeater of the list, what changed there ("DB0ZU: RX 439.10000 →
// 439.20000 MHz", "DB0ZU: colour code 1 → 2"); for each other channel, that
// the list no longer has it ("DB0OLD: not in the list"). Channels that agree
// give no line.
[[nodiscard]] QStringList directoryChanges(const QList<RadioChannel>& channels,
                                           const DirectoryRead& read);

} // namespace nerka
