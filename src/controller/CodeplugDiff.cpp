#include "controller/CodeplugDiff.h"

#include "codeplug/AprsCodec.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/CustomDataBlock.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ThemeCodec.h"
#include "codeplug/ZoneCodec.h"
#include "controller/ChangeText.h"
#include "controller/RecordJson.h"
#include "satellites/SatelliteCodec.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QMultiMap>
#include <QSet>

#include <algorithm>
#include <array>
#include <functional>
#include <set>
#include <vector>

namespace nerka {

namespace {

// A counted noun of a change line ("3 channels") in the catalogue's words;
// `source` is one of these lower-case record nouns, with or without the "s".
QString countedNounText(const QString& source) {
    [[maybe_unused]] static constexpr const char* kCountedNouns[] = {
        QT_TRANSLATE_NOOP("ChangeText", "channel"),
        QT_TRANSLATE_NOOP("ChangeText", "channels"),
        QT_TRANSLATE_NOOP("ChangeText", "contact"),
        QT_TRANSLATE_NOOP("ChangeText", "contacts"),
        QT_TRANSLATE_NOOP("ChangeText", "talkgroup"),
        QT_TRANSLATE_NOOP("ChangeText", "talkgroups"),
        QT_TRANSLATE_NOOP("ChangeText", "zone"),
        QT_TRANSLATE_NOOP("ChangeText", "zones"),
        QT_TRANSLATE_NOOP("ChangeText", "aprs system"),
        QT_TRANSLATE_NOOP("ChangeText", "aprs systems"),
        QT_TRANSLATE_NOOP("ChangeText", "satellite"),
        QT_TRANSLATE_NOOP("ChangeText", "satellites"),
        QT_TRANSLATE_NOOP("ChangeText", "region"),
        QT_TRANSLATE_NOOP("ChangeText", "regions")};
    return QCoreApplication::translate("ChangeText", source.toUtf8().constData());
}

using Kind = CodeplugChange::Kind;
using Type = CodeplugChange::Type;

constexpr int kRecordKindCount = int(Kind::bytes); // every kind but `bytes`

// Keys that name the record rather than describe it, and lists derived from
// other records (a channel's new name would otherwise also show up in every
// zone that holds it).
bool isComparedField(QLatin1String key) {
    return key != QLatin1String("number") && key != QLatin1String("slot") &&
           key != QLatin1String("index") && key != QLatin1String("contactNames") &&
           key != QLatin1String("channelNames");
}

// Every record of one codeplug as JSON objects, keyed per kind, and the names
// that the records of the compared kinds refer to.
struct DecodedSide {
    std::array<QMap<int, RecordFields>, kRecordKindCount> records;
    std::optional<QByteArray> customArea;
    ChangeNames names;
};

using KindSet = std::array<bool, kRecordKindCount>;

// The kinds whose tables differ between the two images (or cannot be read
// from one of them); the others hold the same records and need no decoding.
KindSet differingKinds(const CodeplugImage& a, const CodeplugImage& b) {
    KindSet differs{};
    differs.fill(true);
    if (!a.variant)
        return differs;
    const CodeplugLayout& layout = layoutForVariant(*a.variant);
    const auto same = [&](BankAddress at, int size) {
        const auto x = readBytes(a, at.bank, at.address, size);
        const auto y = readBytes(b, at.bank, at.address, size);
        return x && y && *x == *y;
    };
    bool channels = true;
    for (const BankAddress& bank : layout.channelBanks)
        channels = channels && same(bank, CodeplugLayout::kChannelBankSize);
    differs[int(Kind::channel)] = !channels;
    differs[int(Kind::contact)] = !same(layout.contactBank, CodeplugLayout::kContactTableSize);
    differs[int(Kind::talkgroup)] =
        !same(layout.groupListBank, CodeplugLayout::kGroupListTableSize);
    differs[int(Kind::zone)] = !same(layout.zoneBank, CodeplugLayout::kZoneTableSize);
    differs[int(Kind::settings)] = !same(layout.settingsBank, CodeplugLayout::kSettingsReadSize);
    differs[int(Kind::aprs)] = !same(layout.aprsBank, CodeplugLayout::kAprsTableSize);
    const bool custom = same(layout.additionalSettingsBank, CodeplugLayout::kCustomDataSize);
    for (Kind kind : {Kind::dayTheme, Kind::nightTheme, Kind::satellite})
        differs[int(kind)] = !custom;
    return differs;
}

// The records of the kinds asked for, and the names their references need
// (a channel's contact, group list and APRS system, a zone's channels, a
// talkgroup's contacts). Zones and talkgroups are decoded with the channels
// and contacts they name.
DecodedSide decodeSide(const CodeplugImage& image, const KindSet& wanted) {
    DecodedSide side;
    auto& r = side.records;
    const auto want = [&](Kind kind) { return wanted[int(kind)]; };
    QList<RadioChannel> channels;
    if (want(Kind::channel) || want(Kind::zone))
        channels = decodeChannels(image);
    for (const RadioChannel& c : channels) {
        side.names.channels.insert(c.number, c.name);
        if (want(Kind::channel))
            r[int(Kind::channel)].insert(c.number, channelFields(c));
    }
    QList<DMRContact> contacts;
    if (want(Kind::contact) || want(Kind::talkgroup) || want(Kind::channel))
        contacts = decodeContacts(image);
    for (const DMRContact& c : contacts) {
        side.names.contacts.insert(c.slot, c);
        if (want(Kind::contact))
            r[int(Kind::contact)].insert(c.slot, contactFields(c));
    }
    if (want(Kind::talkgroup) || want(Kind::channel)) {
        for (const Talkgroup& t : decodeTalkgroups(image, contacts)) {
            side.names.talkgroups.insert(t.index, t.name);
            if (want(Kind::talkgroup))
                r[int(Kind::talkgroup)].insert(t.index, talkgroupFields(t));
        }
    }
    if (want(Kind::zone)) {
        for (const Zone& z : decodeZones(image, channels))
            r[int(Kind::zone)].insert(z.index, zoneFields(z));
    }
    if (want(Kind::settings)) {
        if (const auto s = decodeDeviceSettings(image))
            r[int(Kind::settings)].insert(0, settingsFields(*s));
    }
    if (want(Kind::aprs) || want(Kind::channel))
        side.names.aprsSystems = decodeAprsSystems(image);
    if (want(Kind::aprs)) {
        const QStringList& aprs = side.names.aprsSystems;
        for (int i = 0; i < aprs.size(); ++i)
            r[int(Kind::aprs)].insert(i, RecordFields{{QLatin1String("name"), aprs[i]}});
    }
    for (const auto& [kind, themeKind] : {std::pair{Kind::dayTheme, ThemeKind::day},
                                          std::pair{Kind::nightTheme, ThemeKind::night}}) {
        if (!want(kind))
            continue;
        const QJsonArray colors = themeToJson(decodeTheme(themeKind, image)).toArray();
        for (int i = 0; i < colors.size(); ++i)
            r[int(kind)].insert(i, RecordFields{{QLatin1String("color"), colors[i]}});
    }
    if (want(Kind::satellite)) {
        for (const Satellite& s : decodeSatellites(image).value_or(QList<Satellite>{}))
            r[int(Kind::satellite)].insert(s.index, satelliteFields(s));
    }
    side.customArea = readCustomDataArea(image);
    return side;
}

void compareRecords(Kind kind, const QMap<int, RecordFields>& oldRecords,
                    const QMap<int, RecordFields>& newRecords, QList<CodeplugChange>& out) {
    std::set<int> keys;
    for (auto it = oldRecords.keyBegin(); it != oldRecords.keyEnd(); ++it)
        keys.insert(*it);
    for (auto it = newRecords.keyBegin(); it != newRecords.keyEnd(); ++it)
        keys.insert(*it);
    for (int key : keys) {
        const auto oldIt = oldRecords.constFind(key);
        const auto newIt = newRecords.constFind(key);
        CodeplugChange change;
        change.kind = kind;
        change.key = key;
        if (oldIt == oldRecords.constEnd()) {
            change.type = Type::added;
            change.newRecord = fieldsToJson(*newIt);
        } else if (newIt == newRecords.constEnd()) {
            change.type = Type::removed;
            change.oldRecord = fieldsToJson(*oldIt);
        } else {
            // Both sides list the same keys in the same order.
            const RecordFields& before = *oldIt;
            const RecordFields& after = *newIt;
            for (qsizetype i = 0; i < before.size() && i < after.size(); ++i) {
                if (before[i].second != after[i].second && isComparedField(before[i].first))
                    change.fields.append(
                        {QString(before[i].first), before[i].second, after[i].second});
            }
            if (change.fields.isEmpty())
                continue;
        }
        out.append(change);
    }
}

// Byte spans (absolute bank addresses) that a listed record occupies, on either side.
struct Span {
    Bank bank;
    std::uint32_t address;
    int length;
};

void customSpans(const std::optional<QByteArray>& area, BankAddress at, std::uint32_t blockType,
                 int offsetInData, int length, bool withHead, QList<Span>& out) {
    if (!area)
        return;
    const auto block = findCustomDataBlock(*area, blockType);
    if (!block)
        return;
    const std::uint32_t head = at.address + std::uint32_t(*block);
    if (withHead)
        out.append({at.bank, head, CustomDataArea::kBlockHeadSize});
    out.append(
        {at.bank, head + CustomDataArea::kBlockHeadSize + std::uint32_t(offsetInData), length});
}

QList<Span> recordSpans(const CodeplugChange& change, const CodeplugLayout& layout,
                        const DecodedSide& oldSide, const DecodedSide& newSide) {
    QList<Span> spans;
    const int key = change.key;
    const auto at = [](BankAddress base, int offset, int length) {
        return Span{base.bank, base.address + std::uint32_t(offset), length};
    };
    switch (change.kind) {
    case Kind::channel:
        if (const auto slot = channelSlot(layout, key - 1)) {
            spans.append({slot->record.bank, slot->record.address, ChannelRecord::kSize});
            spans.append({slot->bitmapByte.bank, slot->bitmapByte.address, 1});
        }
        break;
    case Kind::contact:
        spans.append(at(layout.contactBank, key * ContactRecord::kSize, ContactRecord::kSize));
        break;
    case Kind::talkgroup:
        spans.append(at(layout.groupListBank, GroupListTable::kInUseOffset + key, 1));
        spans.append(at(layout.groupListBank,
                        GroupListTable::kRecordsOffset + key * GroupListRecord::kSize,
                        GroupListRecord::kSize));
        break;
    case Kind::zone:
        spans.append(at(layout.zoneBank, ZoneTable::kBitmapOffset + key / 8, 1));
        spans.append(at(layout.zoneBank, ZoneTable::kRecordsOffset + key * ZoneRecord::kSize,
                        ZoneRecord::kSize));
        break;
    case Kind::settings:
        spans.append(at(layout.settingsBank, 0, DeviceSettingsBlock::kReadSize));
        break;
    case Kind::aprs:
        spans.append(at(layout.aprsBank, key * AprsTable::kEntrySize, AprsTable::kEntrySize));
        break;
    case Kind::dayTheme:
    case Kind::nightTheme: {
        const std::uint32_t type = change.kind == Kind::dayTheme
                                       ? CustomDataArea::kDayThemeBlockType
                                       : CustomDataArea::kNightThemeBlockType;
        const bool wholeTheme = change.type != Type::changed;
        for (const DecodedSide* side : {&oldSide, &newSide})
            customSpans(side->customArea, layout.additionalSettingsBank, type,
                        key * ThemeBlock::kColorSize, ThemeBlock::kColorSize, wholeTheme, spans);
        break;
    }
    case Kind::satellite:
        for (const DecodedSide* side : {&oldSide, &newSide})
            customSpans(side->customArea, layout.additionalSettingsBank,
                        CustomDataArea::kSatelliteBlockType, key * SatelliteRecord::kSize,
                        SatelliteRecord::kSize, change.type != Type::changed, spans);
        break;
    case Kind::bytes:
        break;
    }
    return spans;
}

// The first run of differing bytes, per region both images hold at the same
// place, that lies outside every listed record.
void compareUncoveredBytes(const CodeplugImage& oldImage, const CodeplugImage& newImage,
                           const QList<Span>& covered, QList<CodeplugChange>& out) {
    for (qsizetype i = 0; i < std::max(oldImage.regions.size(), newImage.regions.size()); ++i) {
        CodeplugChange change;
        change.kind = Kind::bytes;
        change.key = int(i);
        const bool inOld = i < oldImage.regions.size();
        const bool inNew = i < newImage.regions.size();
        const bool samePlace = inOld && inNew &&
                               oldImage.regions[i].bank == newImage.regions[i].bank &&
                               oldImage.regions[i].address == newImage.regions[i].address;
        if (!samePlace) {
            if (inOld) {
                change.type = Type::removed;
                out.append(change);
            }
            if (inNew) {
                change.type = Type::added;
                out.append(change);
            }
            continue;
        }
        const QByteArray& a = oldImage.blobs[i];
        const QByteArray& b = newImage.blobs[i];
        if (a == b)
            continue;
        const CodeplugRegion& region = oldImage.regions[i];
        const qsizetype shorter = std::min(a.size(), b.size());
        std::vector<bool> mask(size_t(shorter), false);
        for (const Span& span : covered) {
            if (span.bank != region.bank)
                continue;
            const qint64 from = std::max<qint64>(qint64(span.address) - region.address, 0);
            const qint64 to =
                std::min<qint64>(qint64(span.address) + span.length - region.address, shorter);
            for (qint64 p = from; p < to; ++p)
                mask[size_t(p)] = true;
        }
        qsizetype first = -1;
        for (qsizetype p = 0; p < shorter; ++p) {
            if (a[p] != b[p] && !mask[size_t(p)]) {
                first = p;
                break;
            }
        }
        qsizetype end = 0;
        if (first >= 0) {
            end = first;
            while (end < shorter && a[end] != b[end] && !mask[size_t(end)])
                ++end;
        } else if (a.size() != b.size()) {
            // Equal as far as both go: the run is the longer buffer's tail.
            first = shorter;
            end = std::max(a.size(), b.size());
        } else {
            continue;
        }
        const qsizetype quoted = std::min<qsizetype>(end - first, kDiffQuotedBytes);
        change.type = Type::changed;
        change.fields.append({QString::number(first),
                              QString::fromLatin1(a.mid(first, quoted).toHex()),
                              QString::fromLatin1(b.mid(first, quoted).toHex())});
        change.oldRecord = QJsonObject{{QStringLiteral("runLength"), qint64(end - first)}};
        out.append(change);
    }
}

QString familyKey(const CodeplugImage& image) {
    return image.variant ? QString::fromLatin1(variantKey(*image.variant))
                         : QCoreApplication::translate("ChangeText", "no family");
}

// The sentence of a `bytes` change.
QString bytesText(const CodeplugChange& change) {
    const QString label = QCoreApplication::translate("ChangeText", "region %1").arg(change.key);
    if (change.type != Type::changed)
        return (change.type == Type::added
                    ? QCoreApplication::translate("ChangeText", "%1 added")
                    : QCoreApplication::translate("ChangeText", "%1 removed"))
            .arg(label);
    const CodeplugChange::Field& run = change.fields.first();
    const qint64 length = change.oldRecord.value(QStringLiteral("runLength")).toInteger();
    return (length == 1 ? QCoreApplication::translate(
                              "ChangeText",
                              "bytes outside known records in %1 differ at offset 0x%2 (%3 byte)")
                        : QCoreApplication::translate(
                              "ChangeText",
                              "bytes outside known records in %1 differ at offset 0x%2 (%3 bytes)"))
        .arg(label, QString::number(run.name.toLongLong(), 16).toUpper(), QString::number(length));
}

// ---- The change list in plain words ----

// Old key → new key of the records of one kind that are found under another key.
using KeyMap = QHash<int, int>;
using KeyMaps = std::array<KeyMap, kRecordKindCount>;

// Renumbered records listed one by one up to this many, counted beyond.
constexpr int kRenumberedListed = 3;

bool movable(Kind kind) {
    return kind == Kind::channel || kind == Kind::contact || kind == Kind::talkgroup ||
           kind == Kind::zone || kind == Kind::satellite;
}

// A key through a map; `shift` turns 0-based positions into channel numbers.
QJsonValue mappedKey(const QJsonValue& value, const KeyMap& map, int shift = 0) {
    if (!value.isDouble() || map.isEmpty())
        return value;
    const int key = value.toInt() + shift;
    return map.value(key, key) - shift;
}

QJsonValue mappedKeys(const QJsonValue& values, const KeyMap& map, int shift = 0) {
    if (map.isEmpty())
        return values;
    QJsonArray out;
    for (const QJsonValue& v : values.toArray())
        out.append(mappedKey(v, map, shift));
    return out;
}

// An old record with its references to other records followed through their
// moves, so a reference that kept pointing at the same record compares equal.
RecordFields followMoves(Kind kind, RecordFields record, const KeyMaps& maps) {
    for (auto& [key, value] : record) {
        if (kind == Kind::channel && key == QLatin1String("contactIndex"))
            value = mappedKey(value, maps[int(Kind::contact)]);
        else if (kind == Kind::channel && key == QLatin1String("groupListIndex"))
            value = mappedKey(value, maps[int(Kind::talkgroup)]);
        else if (kind == Kind::talkgroup && key == QLatin1String("memberSlots"))
            value = mappedKeys(value, maps[int(Kind::contact)]);
        else if (kind == Kind::zone && key == QLatin1String("memberIndices"))
            value = mappedKeys(value, maps[int(Kind::channel)], 1);
    }
    return record;
}

// The compared values of a record in one text: equal texts, same record.
QString fingerprint(const RecordFields& record) {
    QJsonArray values;
    for (const auto& [key, value] : record) {
        if (isComparedField(key))
            values.append(value);
    }
    return QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact));
}

QString recordName(const RecordFields& record) {
    for (const auto& [key, value] : record) {
        if (key == QLatin1String("name"))
            return value.toString();
    }
    return {};
}

// Which pairs (ascending by old key) keep their order by new key: a longest
// increasing run of new keys. The others are the records the user moved.
std::vector<bool> keptOrder(const QList<std::pair<int, int>>& pairs) {
    const size_t n = size_t(pairs.size());
    std::vector<size_t> tails;          // index of the smallest tail per run length
    std::vector<size_t> previous(n, n); // the run's element before each element
    for (size_t i = 0; i < n; ++i) {
        const int key = pairs[qsizetype(i)].second;
        const auto at = std::lower_bound(tails.begin(), tails.end(), key, [&](size_t t, int k) {
            return pairs[qsizetype(t)].second < k;
        });
        if (at != tails.begin())
            previous[i] = *(at - 1);
        if (at == tails.end())
            tails.push_back(i);
        else
            *at = i;
    }
    std::vector<bool> kept(n, false);
    for (size_t i = tails.empty() ? n : tails.back(); i < n; i = previous[i])
        kept[i] = true;
    return kept;
}

// The names of members that a zone or talkgroup gained and lost, compared
// after following the moves of the records they name.
QString membersPhrase(Kind kind, const QJsonValue& before, const QJsonValue& after,
                      const KeyMaps& maps, const ChangeNames& oldNames,
                      const ChangeNames& newNames) {
    const bool zone = kind == Kind::zone;
    const KeyMap& map = maps[int(zone ? Kind::channel : Kind::contact)];
    const auto name = [&](const ChangeNames& names, int member) {
        if (zone)
            return names.channels.value(
                member + 1,
                QCoreApplication::translate("ChangeText", "channel %1").arg(member + 1));
        const auto it = names.contacts.constFind(member);
        return it != names.contacts.constEnd() ? it->name
                                               : QLatin1Char('#') + QString::number(member + 1);
    };
    const int shift = zone ? 1 : 0;
    QList<std::pair<int, int>> old; // (followed, as stored)
    for (const QJsonValue& v : before.toArray())
        old.append({mappedKey(v, map, shift).toInt(), v.toInt()});
    QList<int> now;
    for (const QJsonValue& v : after.toArray())
        now.append(v.toInt());
    QHash<int, int> unmatchedNew;
    for (int m : now)
        ++unmatchedNew[m];
    QHash<int, int> unmatchedOld;
    QStringList removed;
    QList<int> stayedInOldOrder;
    for (const auto& [followed, stored] : old) {
        ++unmatchedOld[followed];
        if (unmatchedNew.value(followed) > 0) {
            --unmatchedNew[followed];
            stayedInOldOrder.append(followed);
        } else {
            removed.append(name(oldNames, stored));
        }
    }
    QStringList added;
    QList<int> stayedInNewOrder;
    for (int m : now) {
        if (unmatchedOld.value(m) > 0) {
            --unmatchedOld[m];
            stayedInNewOrder.append(m);
        } else {
            added.append(name(newNames, m));
        }
    }
    return membersChangeText(added, removed, stayedInOldOrder != stayedInNewOrder);
}

// One phrase per field whose value changed, in field order.
QStringList fieldPhrases(Kind kind, const RecordFields& oldRaw, const RecordFields& oldFollowed,
                         const RecordFields& now, const KeyMaps& maps, const DecodedSide& oldSide,
                         const DecodedSide& newSide) {
    QSet<QString> differing;
    for (qsizetype i = 0; i < now.size() && i < oldFollowed.size(); ++i) {
        if (isComparedField(now[i].first) && oldFollowed[i].second != now[i].second)
            differing.insert(QString(now[i].first));
    }
    QStringList phrases;
    bool elementsSaid = false;
    for (qsizetype i = 0; i < now.size() && i < oldRaw.size(); ++i) {
        const QString field(now[i].first);
        if (!differing.contains(field))
            continue;
        const QJsonValue& before = oldRaw[i].second;
        const QJsonValue& after = now[i].second;
        if (field == QLatin1String("name")) {
            phrases.append(after.toString().isEmpty()
                               ? QCoreApplication::translate("ChangeText", "name cleared")
                               : QCoreApplication::translate("ChangeText", "renamed to %1")
                                     .arg(after.toString()));
        } else if (field == QLatin1String("memberIndices") ||
                   field == QLatin1String("memberSlots")) {
            phrases.append(membersPhrase(kind, before, after, maps, oldSide.names, newSide.names));
        } else if (kind == Kind::channel && field == QLatin1String("powerRaw") &&
                   differing.contains(QStringLiteral("power"))) {
            continue; // the level says it
        } else if (kind == Kind::satellite &&
                   (field == QLatin1String("tle1") || field == QLatin1String("tle2") ||
                    field == QLatin1String("epoch"))) {
            if (!elementsSaid) {
                for (const auto& [key, value] : now) {
                    if (key == QLatin1String("epoch"))
                        phrases.append(elementsUpdatedText(value));
                }
                elementsSaid = true;
            }
        } else if (kind == Kind::dayTheme || kind == Kind::nightTheme) {
            // The colour's slot names the change already.
            phrases.append(fieldValueText(kind, field, before, oldSide.names) +
                           QStringLiteral(" → ") +
                           fieldValueText(kind, field, after, newSide.names));
        } else if (kind == Kind::satellite && field == QLatin1String("additionalData")) {
            phrases.append(QCoreApplication::translate("ChangeText", "%1 changed")
                               .arg(fieldLabel(kind, field)));
        } else {
            const QString label = fieldLabel(kind, field);
            phrases.append(
                label + QLatin1Char(' ') + fieldValueText(kind, field, before, oldSide.names) +
                QStringLiteral(" → ") + fieldValueText(kind, field, after, newSide.names));
        }
    }
    return phrases;
}

// Records that stay where they are (settings, APRS systems, theme colours):
// compared key by key.
QList<ReadableChange> readableInPlace(Kind kind, const QMap<int, RecordFields>& oldRecords,
                                      const QMap<int, RecordFields>& followed,
                                      const QMap<int, RecordFields>& newRecords,
                                      const KeyMaps& maps, const DecodedSide& oldSide,
                                      const DecodedSide& newSide) {
    QList<ReadableChange> out;
    std::set<int> keys;
    for (auto it = oldRecords.keyBegin(); it != oldRecords.keyEnd(); ++it)
        keys.insert(*it);
    for (auto it = newRecords.keyBegin(); it != newRecords.keyEnd(); ++it)
        keys.insert(*it);
    for (int key : keys) {
        const auto before = followed.constFind(key);
        const auto now = newRecords.constFind(key);
        ReadableChange change;
        change.kind = kind;
        change.key = key;
        if (before == followed.constEnd()) {
            change.type = ReadableChange::Type::added;
            change.name = recordName(*now);
        } else if (now == newRecords.constEnd()) {
            change.type = ReadableChange::Type::deleted;
            change.name = recordName(oldRecords[key]);
        } else if (fingerprint(*before) != fingerprint(*now)) {
            change.type = ReadableChange::Type::changed;
            change.name = recordName(oldRecords[key]);
            change.details =
                fieldPhrases(kind, oldRecords[key], *before, *now, maps, oldSide, newSide);
        } else {
            continue;
        }
        out.append(change);
    }
    return out;
}

// Where the keys of deleted records are mapped: below every real key.
constexpr int kDeletedKeyBase = -1000000;

// Moves listed one by one up to this many; more read as one renumbering line.
constexpr int kMovesListed = 5;

// Pairs of positions (old, new), ascending, of a longest common subsequence
// of `a` and `b`: the records that kept their order.
QList<std::pair<int, int>> commonSubsequence(const std::vector<int>& a, const std::vector<int>& b) {
    const int n = int(a.size());
    const int m = int(b.size());
    int head = 0;
    while (head < n && head < m && a[size_t(head)] == b[size_t(head)])
        ++head;
    int tail = 0;
    while (tail < n - head && tail < m - head && a[size_t(n - 1 - tail)] == b[size_t(m - 1 - tail)])
        ++tail;
    QList<std::pair<int, int>> pairs;
    for (int i = 0; i < head; ++i)
        pairs.append({i, i});
    // Lengths of the common subsequences of the suffixes of the middle parts.
    const int rows = n - head - tail;
    const int cols = m - head - tail;
    std::vector<std::uint16_t> length(size_t(rows + 1) * size_t(cols + 1), 0);
    const auto at = [&](int i, int j) -> std::uint16_t& {
        return length[size_t(i) * size_t(cols + 1) + size_t(j)];
    };
    for (int i = rows - 1; i >= 0; --i) {
        for (int j = cols - 1; j >= 0; --j) {
            at(i, j) = a[size_t(head + i)] == b[size_t(head + j)]
                           ? std::uint16_t(at(i + 1, j + 1) + 1)
                           : std::max(at(i + 1, j), at(i, j + 1));
        }
    }
    for (int i = 0, j = 0; i < rows && j < cols;) {
        if (a[size_t(head + i)] == b[size_t(head + j)]) {
            pairs.append({head + i, head + j});
            ++i;
            ++j;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    for (int t = tail; t > 0; --t)
        pairs.append({n - t, m - t});
    return pairs;
}

// Which old record became which new one, by position in key order. Records
// are matched by content first (those that kept their order, then the rest),
// then by name, then what is left in the same gap between matched records,
// in order (a record edited in place).
// `a` and `b` number the records' contents (equal numbers, equal contents);
// `oldNames` and `newNames` are their names.
QList<std::pair<int, int>> matchRecords(const std::vector<int>& a, const std::vector<int>& b,
                                        const QStringList& oldNames, const QStringList& newNames) {
    std::vector<int> newOf(a.size(), -1);
    std::vector<int> oldOf(b.size(), -1);
    const auto pair = [&](int i, int j) {
        newOf[size_t(i)] = j;
        oldOf[size_t(j)] = i;
    };
    for (const auto& [i, j] : commonSubsequence(a, b))
        pair(i, j);
    // The same contents elsewhere, then the same name, first come first paired.
    const auto pairBy = [&](const auto& oldKey, const auto& newKey) {
        QHash<QString, QList<int>> waiting;
        for (int j = 0; j < int(b.size()); ++j) {
            if (oldOf[size_t(j)] < 0)
                waiting[newKey(j)].append(j);
        }
        for (int i = 0; i < int(a.size()); ++i) {
            if (newOf[size_t(i)] >= 0)
                continue;
            const QString key = oldKey(i);
            if (key.isEmpty())
                continue;
            const auto it = waiting.find(key);
            if (it != waiting.end() && !it->isEmpty())
                pair(i, it->takeFirst());
        }
    };
    pairBy([&](int i) { return QString::number(a[size_t(i)]); },
           [&](int j) { return QString::number(b[size_t(j)]); });
    pairBy([&](int i) { return oldNames[i]; }, [&](int j) { return newNames[j]; });
    // Records left between the same two matched neighbours were edited in place.
    QList<std::pair<int, int>> matched;
    for (int i = 0; i < int(a.size()); ++i) {
        if (newOf[size_t(i)] >= 0)
            matched.append({i, newOf[size_t(i)]});
    }
    const std::vector<bool> kept = keptOrder(matched);
    int lastOld = -1;
    int lastNew = -1;
    for (qsizetype k = 0; k <= matched.size(); ++k) {
        if (k < matched.size() && !kept[size_t(k)])
            continue;
        const int nextOld = k < matched.size() ? matched[k].first : int(a.size());
        const int nextNew = k < matched.size() ? matched[k].second : int(b.size());
        int j = lastNew + 1;
        for (int i = lastOld + 1; i < nextOld; ++i) {
            if (newOf[size_t(i)] >= 0)
                continue;
            while (j < nextNew && oldOf[size_t(j)] >= 0)
                ++j;
            if (j >= nextNew)
                break;
            pair(i, j);
        }
        lastOld = nextOld;
        lastNew = nextNew;
    }
    QList<std::pair<int, int>> pairs;
    for (int i = 0; i < int(a.size()); ++i) {
        if (newOf[size_t(i)] >= 0)
            pairs.append({i, newOf[size_t(i)]});
    }
    return pairs;
}

// Which old record of one kind became which new one, by key and by position.
struct RecordPairing {
    QList<int> oldKeys;
    QList<int> newKeys;
    // Each record's contents numbered: equal numbers, same contents.
    std::vector<int> oldIds;
    std::vector<int> newIds;
    QList<std::pair<int, int>> positions; // (old position, new position), ascending
    QList<std::pair<int, int>> pairs;     // the same as (old key, new key)
    std::vector<bool> oldPaired;
    std::vector<bool> newPaired;
};

RecordPairing pairRecords(const QMap<int, RecordFields>& followed,
                          const QMap<int, RecordFields>& newRecords) {
    RecordPairing p;
    p.oldKeys = followed.keys();
    p.newKeys = newRecords.keys();
    QHash<QString, int> contents;
    QStringList oldNames;
    QStringList newNames;
    const auto numberAll = [&](const QMap<int, RecordFields>& records, std::vector<int>& ids,
                               QStringList& names) {
        ids.reserve(size_t(records.size()));
        for (const RecordFields& r : records) {
            const QString print = fingerprint(r);
            auto it = contents.constFind(print);
            if (it == contents.constEnd())
                it = contents.insert(print, int(contents.size()));
            ids.push_back(*it);
            names.append(recordName(r));
        }
    };
    numberAll(followed, p.oldIds, oldNames);
    numberAll(newRecords, p.newIds, newNames);
    p.positions = matchRecords(p.oldIds, p.newIds, oldNames, newNames);
    p.oldPaired.assign(size_t(p.oldKeys.size()), false);
    p.newPaired.assign(size_t(p.newKeys.size()), false);
    for (const auto& [i, j] : p.positions) {
        p.pairs.append({p.oldKeys[i], p.newKeys[j]});
        p.oldPaired[size_t(i)] = true;
        p.newPaired[size_t(j)] = true;
    }
    return p;
}

// Records the pairing in `maps`, so that references follow their records. A
// reference to a deleted record follows it nowhere: it must not meet the
// record that took its number (a number left free stays as it was).
void followPairing(Kind kind, const RecordPairing& p, const QMap<int, RecordFields>& newRecords,
                   KeyMaps& maps) {
    for (const auto& [from, to] : p.pairs)
        maps[int(kind)].insert(from, to);
    for (qsizetype i = 0; i < p.oldKeys.size(); ++i) {
        if (!p.oldPaired[size_t(i)] && newRecords.contains(p.oldKeys[i]))
            maps[int(kind)].insert(p.oldKeys[i], kDeletedKeyBase - p.oldKeys[i]);
    }
}

// The new records that were not paired, in runs of consecutive numbers: a run
// that pushed records behind it (up to `lastRenumberedTo`) to higher numbers
// was inserted there and is returned as one insert; other runs are added
// through `addLine`.
QList<ReadableChange> newRecordRuns(Kind kind, const RecordPairing& p,
                                    const QMap<int, RecordFields>& newRecords, int lastRenumberedTo,
                                    const std::function<void(ReadableChange)>& addLine) {
    QList<ReadableChange> inserts;
    const QList<int>& keys = p.newKeys;
    for (qsizetype j = 0; j < keys.size();) {
        if (p.newPaired[size_t(j)]) {
            ++j;
            continue;
        }
        qsizetype end = j + 1;
        while (end < keys.size() && !p.newPaired[size_t(end)] && keys[end] == keys[end - 1] + 1)
            ++end;
        if (keys[end - 1] < lastRenumberedTo) {
            ReadableChange insert;
            insert.kind = kind;
            insert.type = ReadableChange::Type::inserted;
            insert.key = keys[j];
            insert.count = int(end - j);
            insert.name = recordName(newRecords[keys[j]]);
            inserts.append(insert);
        } else {
            for (qsizetype k = j; k < end; ++k) {
                ReadableChange change;
                change.type = ReadableChange::Type::added;
                change.key = keys[k];
                change.name = recordName(newRecords[keys[k]]);
                addLine(change);
            }
        }
        j = end;
    }
    return inserts;
}

// The moves of one kind as lines: a lone insert names the records behind it;
// up to kMovesListed moves (and up to kRenumberedListed renumberings) are
// listed one by one, more read as one renumbering line at the end.
QList<ReadableChange> movesAsLines(Kind kind, QMultiMap<int, ReadableChange> byKey,
                                   QList<ReadableChange> inserts,
                                   const QList<ReadableChange>& moves,
                                   const QList<ReadableChange>& renumbered, bool deleted) {
    const bool onlyAnInsert = inserts.size() == 1 && moves.isEmpty() && !deleted;
    if (onlyAnInsert)
        inserts[0].followers = int(renumbered.size());
    for (const ReadableChange& insert : inserts)
        byKey.insert(insert.key, insert);
    const bool countAll = moves.size() > kMovesListed;
    if (!countAll) {
        for (const ReadableChange& move : moves)
            byKey.insert(move.key, move);
    }
    if (!onlyAnInsert && !countAll && renumbered.size() <= kRenumberedListed) {
        for (const ReadableChange& r : renumbered)
            byKey.insert(r.key, r);
    }
    QList<ReadableChange> out = byKey.values();
    if (!onlyAnInsert && (countAll || renumbered.size() > kRenumberedListed)) {
        ReadableChange many;
        many.kind = kind;
        many.type = ReadableChange::Type::renumberedMany;
        many.count = int(renumbered.size() + (countAll ? moves.size() : 0));
        many.others = !countAll && !moves.isEmpty();
        out.append(many);
    }
    return out;
}

// Records that can change their number (channels, contacts, talkgroups,
// zones, satellites): matched by content and name rather than by number, so
// an insert, a reorder or copies sharing a name read as what the user did.
QList<ReadableChange> readableMovable(Kind kind, const QMap<int, RecordFields>& oldRecords,
                                      const QMap<int, RecordFields>& followed,
                                      const QMap<int, RecordFields>& newRecords, KeyMaps& maps,
                                      const DecodedSide& oldSide, const DecodedSide& newSide) {
    using T = ReadableChange::Type;
    const RecordPairing p = pairRecords(followed, newRecords);
    followPairing(kind, p, newRecords, maps);

    QMultiMap<int, ReadableChange> byKey;
    const auto add = [&](ReadableChange change) {
        change.kind = kind;
        byKey.insert(change.key, change);
    };
    const std::vector<bool> kept = keptOrder(p.pairs);
    QList<ReadableChange> moves;
    QList<ReadableChange> renumbered;
    int lastRenumberedTo = -1;
    for (qsizetype k = 0; k < p.pairs.size(); ++k) {
        const auto [from, to] = p.pairs[k];
        const auto [i, j] = p.positions[k];
        if (p.oldIds[size_t(i)] != p.newIds[size_t(j)]) {
            ReadableChange change;
            change.type = T::changed;
            change.key = from;
            change.name = recordName(oldRecords[from]);
            change.details = fieldPhrases(kind, oldRecords[from], followed[from], newRecords[to],
                                          maps, oldSide, newSide);
            add(change);
        }
        if (from == to)
            continue;
        ReadableChange move;
        move.kind = kind;
        move.type = kept[size_t(k)] ? T::renumbered : T::moved;
        move.key = from;
        move.newKey = to;
        move.name = recordName(oldRecords[from]);
        if (kept[size_t(k)])
            lastRenumberedTo = std::max(lastRenumberedTo, to);
        (kept[size_t(k)] ? renumbered : moves).append(move);
    }
    bool deleted = false;
    for (qsizetype i = 0; i < p.oldKeys.size(); ++i) {
        if (p.oldPaired[size_t(i)])
            continue;
        ReadableChange change;
        change.type = T::deleted;
        change.key = p.oldKeys[i];
        change.name = recordName(oldRecords[p.oldKeys[i]]);
        add(change);
        deleted = true;
    }
    QList<ReadableChange> inserts = newRecordRuns(kind, p, newRecords, lastRenumberedTo, add);
    return movesAsLines(kind, std::move(byKey), std::move(inserts), moves, renumbered, deleted);
}

// The plain-words changes of one kind, in key order, and the moves of its
// records for the kinds that refer to them.
QList<ReadableChange> readableKind(Kind kind, const DecodedSide& oldSide,
                                   const DecodedSide& newSide, KeyMaps& maps) {
    const QMap<int, RecordFields>& oldRecords = oldSide.records[int(kind)];
    const QMap<int, RecordFields>& newRecords = newSide.records[int(kind)];
    QMap<int, RecordFields> followed;
    for (auto it = oldRecords.constBegin(); it != oldRecords.constEnd(); ++it)
        followed.insert(it.key(), followMoves(kind, it.value(), maps));

    QList<ReadableChange> out =
        movable(kind)
            ? readableMovable(kind, oldRecords, followed, newRecords, maps, oldSide, newSide)
            : readableInPlace(kind, oldRecords, followed, newRecords, maps, oldSide, newSide);

    // A theme that appears or disappears whole is one change, not 32.
    const bool theme = kind == Kind::dayTheme || kind == Kind::nightTheme;
    if (theme && !out.isEmpty()) {
        for (ReadableChange::Type type :
             {ReadableChange::Type::added, ReadableChange::Type::deleted}) {
            const auto& side = type == ReadableChange::Type::added ? newRecords : oldRecords;
            const bool whole = std::all_of(out.begin(), out.end(),
                                           [&](const ReadableChange& c) { return c.type == type; });
            if (whole && out.size() == side.size()) {
                ReadableChange one;
                one.kind = kind;
                one.type = type;
                out = {one};
                break;
            }
        }
    }
    return out;
}

QList<ReadableChange> readableChanges(const QList<CodeplugChange>& changes,
                                      const DecodedSide& oldSide, const DecodedSide& newSide) {
    // Referenced kinds first, so the kinds that refer to them can follow their moves.
    constexpr std::array<Kind, kRecordKindCount> order{
        Kind::contact, Kind::talkgroup, Kind::channel,    Kind::zone,     Kind::settings,
        Kind::aprs,    Kind::dayTheme,  Kind::nightTheme, Kind::satellite};
    KeyMaps maps;
    std::array<QList<ReadableChange>, kRecordKindCount> perKind;
    for (Kind kind : order)
        perKind[int(kind)] = readableKind(kind, oldSide, newSide, maps);
    QList<ReadableChange> out;
    for (const QList<ReadableChange>& lines : perKind)
        out.append(lines);
    for (const CodeplugChange& change : changes) {
        if (change.kind != Kind::bytes)
            continue;
        ReadableChange bytes;
        bytes.kind = Kind::bytes;
        bytes.type = ReadableChange::Type::bytes;
        bytes.key = change.key;
        bytes.details = {bytesText(change)};
        out.append(bytes);
    }
    return out;
}

} // namespace

std::variant<CodeplugDiff, QString> diffCodeplugs(const CodeplugImage& oldImage,
                                                  const CodeplugImage& newImage) {
    if (oldImage.variant != newImage.variant)
        return QString(
            QCoreApplication::translate(
                "ChangeText",
                "The codeplugs are of different radio families (%1 and %2) and cannot be compared.")
                .arg(familyKey(oldImage), familyKey(newImage)));
    CodeplugDiff diff;
    if (oldImage == newImage)
        return diff;
    const KindSet wanted = differingKinds(oldImage, newImage);
    const DecodedSide oldSide = decodeSide(oldImage, wanted);
    const DecodedSide newSide = decodeSide(newImage, wanted);
    for (int kind = 0; kind < kRecordKindCount; ++kind)
        compareRecords(Kind(kind), oldSide.records[kind], newSide.records[kind], diff.changes);
    QList<Span> covered;
    if (oldImage.variant) {
        const CodeplugLayout& layout = layoutForVariant(*oldImage.variant);
        for (const CodeplugChange& change : diff.changes)
            covered.append(recordSpans(change, layout, oldSide, newSide));
    }
    compareUncoveredBytes(oldImage, newImage, covered, diff.changes);
    diff.readable = readableChanges(diff.changes, oldSide, newSide);
    return diff;
}

QString changeKindKey(CodeplugChange::Kind kind) {
    switch (kind) {
    case Kind::channel:
        return QStringLiteral("channel");
    case Kind::contact:
        return QStringLiteral("contact");
    case Kind::talkgroup:
        return QStringLiteral("talkgroup");
    case Kind::zone:
        return QStringLiteral("zone");
    case Kind::settings:
        return QStringLiteral("settings");
    case Kind::aprs:
        return QStringLiteral("aprs");
    case Kind::dayTheme:
        return QStringLiteral("dayTheme");
    case Kind::nightTheme:
        return QStringLiteral("nightTheme");
    case Kind::satellite:
        return QStringLiteral("satellite");
    case Kind::bytes:
        return QStringLiteral("bytes");
    }
    return {};
}

QJsonObject diffToJson(const CodeplugDiff& diff) {
    QJsonArray changes;
    for (const CodeplugChange& change : diff.changes) {
        QJsonObject item{{QStringLiteral("kind"), changeKindKey(change.kind)},
                         {QStringLiteral("key"), change.key}};
        switch (change.type) {
        case Type::added:
            item[QStringLiteral("change")] = QStringLiteral("added");
            break;
        case Type::removed:
            item[QStringLiteral("change")] = QStringLiteral("removed");
            break;
        case Type::changed: {
            item[QStringLiteral("change")] = QStringLiteral("changed");
            QJsonObject fields;
            for (const CodeplugChange::Field& f : change.fields)
                fields[f.name] = QJsonArray{f.oldValue, f.newValue};
            item[QStringLiteral("fields")] = fields;
            break;
        }
        }
        changes.append(item);
    }
    return QJsonObject{{QStringLiteral("same"), diff.same()}, {QStringLiteral("changes"), changes}};
}

QString changeText(const ReadableChange& change) {
    using T = ReadableChange::Type;
    const Kind kind = change.kind;
    if (change.type == T::bytes)
        return change.details.value(0);
    const QString noun = recordNoun(kind);
    // "1 channel", "2 channels"; without the number when `number` is false.
    const auto counted = [&](int count, bool number = true) {
        QString source = QString::fromUtf8(recordNounSource(kind)).toLower();
        if (count != 1)
            source += QLatin1Char('s');
        const QString text = countedNounText(source);
        return number ? QString::number(count) + QLatin1Char(' ') + text : text;
    };
    if (change.type == T::renumberedMany) {
        return (change.others ? QCoreApplication::translate("ChangeText", "%1 other %2 renumbered")
                              : QCoreApplication::translate("ChangeText", "%1 %2 renumbered"))
            .arg(QString::number(change.count), counted(change.count, false));
    }
    if (change.type == T::inserted) {
        QString text;
        if (change.count == 1) {
            text = QCoreApplication::translate("ChangeText", "%1 %2 %3 inserted")
                       .arg(noun, QString::number(recordNumber(kind, change.key)), change.name);
        } else {
            text = QCoreApplication::translate("ChangeText", "%1 inserted at %2")
                       .arg(counted(change.count), QString::number(recordNumber(kind, change.key)));
        }
        if (change.followers > 0) {
            text += QStringLiteral("; ") +
                    (change.count == 1
                         ? QCoreApplication::translate("ChangeText", "%1 after it renumbered")
                         : QCoreApplication::translate("ChangeText", "%1 after them renumbered"))
                        .arg(counted(change.followers));
        }
        return text;
    }
    // "Channel 12 DB0AAT R4", "Day theme Decoration", "Settings".
    QString label = noun;
    if (kind != Kind::settings && kind != Kind::dayTheme && kind != Kind::nightTheme)
        label += QLatin1Char(' ') + QString::number(recordNumber(kind, change.key));
    if (kind == Kind::dayTheme || kind == Kind::nightTheme) {
        const bool whole = change.type == T::added || change.type == T::deleted;
        if (!whole)
            label += QLatin1Char(' ') + fieldLabel(kind, QString(), change.key);
    } else if (!change.name.isEmpty()) {
        label += QLatin1Char(' ') + change.name;
    }
    switch (change.type) {
    case T::added:
        return QCoreApplication::translate("ChangeText", "%1 added").arg(label);
    case T::deleted:
        return QCoreApplication::translate("ChangeText", "%1 deleted").arg(label);
    case T::moved:
        return QCoreApplication::translate("ChangeText", "%1 moved to %2")
            .arg(label, QString::number(recordNumber(kind, change.newKey)));
    case T::renumbered:
        return QCoreApplication::translate("ChangeText", "%1 renumbered to %2")
            .arg(label, QString::number(recordNumber(kind, change.newKey)));
    case T::changed:
        return label + QStringLiteral(": ") + change.details.join(QStringLiteral("; "));
    case T::renumberedMany:
    case T::inserted:
    case T::bytes:
        break;
    }
    return label;
}

QStringList diffText(const CodeplugDiff& diff) {
    QStringList lines;
    lines.reserve(diff.readable.size());
    for (const ReadableChange& change : diff.readable)
        lines.append(changeText(change));
    return lines;
}

namespace {

// The words of one kind in a group heading and in a count.
struct KindWords {
    const char* heading;
    const char* one;
    const char* many;
};

KindWords kindWords(Kind kind) {
    switch (kind) {
    case Kind::channel:
        return {QT_TRANSLATE_NOOP("ChangeText", "Channels"),
                QT_TRANSLATE_NOOP("ChangeText", "channel"),
                QT_TRANSLATE_NOOP("ChangeText", "channels")};
    case Kind::contact:
        return {QT_TRANSLATE_NOOP("ChangeText", "Contacts"),
                QT_TRANSLATE_NOOP("ChangeText", "contact"),
                QT_TRANSLATE_NOOP("ChangeText", "contacts")};
    case Kind::talkgroup:
        return {QT_TRANSLATE_NOOP("ChangeText", "Talkgroups"),
                QT_TRANSLATE_NOOP("ChangeText", "talkgroup"),
                QT_TRANSLATE_NOOP("ChangeText", "talkgroups")};
    case Kind::zone:
        return {QT_TRANSLATE_NOOP("ChangeText", "Zones"), QT_TRANSLATE_NOOP("ChangeText", "zone"),
                QT_TRANSLATE_NOOP("ChangeText", "zones")};
    case Kind::settings:
        return {QT_TRANSLATE_NOOP("ChangeText", "Settings"),
                QT_TRANSLATE_NOOP("ChangeText", "the settings"),
                QT_TRANSLATE_NOOP("ChangeText", "the settings")};
    case Kind::aprs:
        return {QT_TRANSLATE_NOOP("ChangeText", "APRS systems"),
                QT_TRANSLATE_NOOP("ChangeText", "APRS system"),
                QT_TRANSLATE_NOOP("ChangeText", "APRS systems")};
    case Kind::dayTheme:
        return {QT_TRANSLATE_NOOP("ChangeText", "Day theme"),
                QT_TRANSLATE_NOOP("ChangeText", "day theme colour"),
                QT_TRANSLATE_NOOP("ChangeText", "day theme colours")};
    case Kind::nightTheme:
        return {QT_TRANSLATE_NOOP("ChangeText", "Night theme"),
                QT_TRANSLATE_NOOP("ChangeText", "night theme colour"),
                QT_TRANSLATE_NOOP("ChangeText", "night theme colours")};
    case Kind::satellite:
        return {QT_TRANSLATE_NOOP("ChangeText", "Satellites"),
                QT_TRANSLATE_NOOP("ChangeText", "satellite"),
                QT_TRANSLATE_NOOP("ChangeText", "satellites")};
    case Kind::bytes:
        return {QT_TRANSLATE_NOOP("ChangeText", "Other bytes"),
                QT_TRANSLATE_NOOP("ChangeText", "region"),
                QT_TRANSLATE_NOOP("ChangeText", "regions")};
    }
    return {"", "", ""};
}

// How many records one line of the list speaks of; a record that changed and
// moved is counted by its first line only (`seen`).
int recordsOf(const ReadableChange& change, QSet<int>& seen) {
    using T = ReadableChange::Type;
    switch (change.type) {
    case T::renumberedMany:
        return change.count;
    case T::inserted:
        return change.count + change.followers;
    case T::added:
        return 1; // a new key: never the key of another line's old record
    case T::deleted:
    case T::changed:
    case T::moved:
    case T::renumbered:
    case T::bytes:
        break;
    }
    if (change.kind == Kind::dayTheme || change.kind == Kind::nightTheme) {
        // A theme added or removed whole is one line for its 32 colours.
        if (change.type == T::added || change.type == T::deleted)
            return 32;
    }
    if (seen.contains(change.key))
        return 0;
    seen.insert(change.key);
    return 1;
}

} // namespace

QList<ChangeGroup> changeGroups(const CodeplugDiff& diff) {
    QList<ChangeGroup> groups;
    QSet<int> seen;
    for (const ReadableChange& change : diff.readable) {
        if (groups.isEmpty() || groups.last().kind != change.kind) {
            ChangeGroup group;
            group.kind = change.kind;
            group.heading =
                QCoreApplication::translate("ChangeText", kindWords(change.kind).heading);
            groups.append(group);
            seen.clear();
        }
        ChangeGroup& group = groups.last();
        group.count += recordsOf(change, seen);
        group.lines.append(changeText(change));
    }
    return groups;
}

QString changeCountText(const QList<ChangeGroup>& groups) {
    QStringList parts;
    for (const ChangeGroup& group : groups) {
        const KindWords words = kindWords(group.kind);
        if (group.kind == Kind::settings) {
            parts.append(QCoreApplication::translate("ChangeText", words.one));
            continue;
        }
        parts.append(
            QString::number(group.count) + QLatin1Char(' ') +
            QCoreApplication::translate("ChangeText", group.count == 1 ? words.one : words.many));
    }
    if (parts.isEmpty())
        return QCoreApplication::translate("ChangeText", "Nothing changed");
    QString text = parts.takeLast();
    if (!parts.isEmpty())
        text = QCoreApplication::translate("ChangeText", "%1 and %2")
                   .arg(parts.join(QStringLiteral(", ")), text);
    return QCoreApplication::translate("ChangeText", "%1 changed").arg(text);
}

} // namespace nerka
