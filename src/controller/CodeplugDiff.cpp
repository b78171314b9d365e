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
#include "controller/RecordJson.h"
#include "satellites/SatelliteCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace nerka {

namespace {

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

// Every record of one codeplug as JSON objects, keyed per kind.
struct DecodedSide {
    std::array<QMap<int, RecordFields>, kRecordKindCount> records;
    std::optional<QByteArray> customArea;
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

// The records of the kinds asked for. Zones and talkgroups are decoded with
// the channels and contacts they name.
DecodedSide decodeSide(const CodeplugImage& image, const KindSet& wanted) {
    DecodedSide side;
    auto& r = side.records;
    const auto want = [&](Kind kind) { return wanted[int(kind)]; };
    QList<RadioChannel> channels;
    if (want(Kind::channel) || want(Kind::zone))
        channels = decodeChannels(image);
    if (want(Kind::channel)) {
        for (const RadioChannel& c : channels)
            r[int(Kind::channel)].insert(c.number, channelFields(c));
    }
    QList<DMRContact> contacts;
    if (want(Kind::contact) || want(Kind::talkgroup))
        contacts = decodeContacts(image);
    if (want(Kind::contact)) {
        for (const DMRContact& c : contacts)
            r[int(Kind::contact)].insert(c.slot, contactFields(c));
    }
    if (want(Kind::talkgroup)) {
        for (const Talkgroup& t : decodeTalkgroups(image, contacts))
            r[int(Kind::talkgroup)].insert(t.index, talkgroupFields(t));
    }
    if (want(Kind::zone)) {
        for (const Zone& z : decodeZones(image, channels))
            r[int(Kind::zone)].insert(z.index, zoneFields(z));
    }
    if (want(Kind::settings)) {
        if (const auto s = decodeDeviceSettings(image))
            r[int(Kind::settings)].insert(0, settingsFields(*s));
    }
    if (want(Kind::aprs)) {
        const QStringList aprs = decodeAprsSystems(image);
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
                         : QStringLiteral("no family");
}

QString compactJson(const QJsonValue& value) {
    if (value.isString())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    if (value.isNull() || value.isUndefined())
        return QStringLiteral("none");
    if (value.isBool())
        return value.toBool() ? QStringLiteral("on") : QStringLiteral("off");
    if (value.isDouble())
        return QString::number(value.toInteger());
    const QJsonDocument doc =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    return QString::fromUtf8(doc.toJson(QJsonDocument::Compact));
}

QString recordLabel(const CodeplugChange& change) {
    const int k = change.key;
    switch (change.kind) {
    case Kind::channel:
        return QStringLiteral("channel ") + QString::number(k);
    case Kind::contact:
        return QStringLiteral("contact ") + QString::number(k + 1);
    case Kind::talkgroup:
        return QStringLiteral("talkgroup ") + QString::number(k + 1);
    case Kind::zone:
        return QStringLiteral("zone ") + QString::number(k + 1);
    case Kind::settings:
        return QStringLiteral("settings");
    case Kind::aprs:
        return QStringLiteral("APRS system ") + QString::number(k + 1);
    case Kind::dayTheme:
    case Kind::nightTheme:
        return (change.kind == Kind::dayTheme ? QStringLiteral("day theme colour ")
                                              : QStringLiteral("night theme colour ")) +
               QString::number(k) + QStringLiteral(" (") + themeSlotLabel(k) + QLatin1Char(')');
    case Kind::satellite:
        return QStringLiteral("satellite ") + QString::number(k + 1);
    case Kind::bytes:
        return QStringLiteral("region ") + QString::number(k);
    }
    return {};
}

// "gains 2 channels", "loses 1 contact, gains 3 contacts", "reorders its channels".
QString membersText(const QJsonValue& oldValue, const QJsonValue& newValue, const QString& noun) {
    std::multiset<int> before;
    std::multiset<int> after;
    for (const QJsonValue& v : oldValue.toArray())
        before.insert(v.toInt());
    for (const QJsonValue& v : newValue.toArray())
        after.insert(v.toInt());
    std::vector<int> gained;
    std::vector<int> lost;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(gained));
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                        std::back_inserter(lost));
    const auto count = [&](size_t n) -> QString {
        return QString::number(n) + QLatin1Char(' ') + noun +
               (n == 1 ? QString() : QStringLiteral("s"));
    };
    QStringList parts;
    if (!gained.empty())
        parts.append(QStringLiteral("gains ") + count(gained.size()));
    if (!lost.empty())
        parts.append(QStringLiteral("loses ") + count(lost.size()));
    if (parts.isEmpty())
        parts.append(QStringLiteral("reorders its ") + noun + QStringLiteral("s"));
    return parts.join(QStringLiteral(", "));
}

} // namespace

std::variant<CodeplugDiff, QString> diffCodeplugs(const CodeplugImage& oldImage,
                                                  const CodeplugImage& newImage) {
    if (oldImage.variant != newImage.variant)
        return QString(QStringLiteral("The codeplugs are of different radio families (") +
                       familyKey(oldImage) + QStringLiteral(" and ") + familyKey(newImage) +
                       QStringLiteral(") and cannot be compared."));
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

QString changeText(const CodeplugChange& change) {
    const QString label = recordLabel(change);
    if (change.kind == Kind::bytes) {
        if (change.type != Type::changed)
            return label + (change.type == Type::added ? QStringLiteral(" added")
                                                       : QStringLiteral(" removed"));
        const CodeplugChange::Field& run = change.fields.first();
        const qint64 length = change.oldRecord.value(QStringLiteral("runLength")).toInteger();
        return QStringLiteral("bytes outside known records in ") + label +
               QStringLiteral(" differ at offset 0x") +
               QString::number(run.name.toLongLong(), 16).toUpper() + QStringLiteral(" (") +
               QString::number(length) +
               (length == 1 ? QStringLiteral(" byte)") : QStringLiteral(" bytes)"));
    }
    if (change.type != Type::changed) {
        const QJsonObject& record =
            change.type == Type::added ? change.newRecord : change.oldRecord;
        QString text = label;
        QString name = record.value(QStringLiteral("name")).toString();
        if (name.isEmpty())
            name = record.value(QStringLiteral("call")).toString();
        if (!name.isEmpty())
            text += QStringLiteral(" \"") + name + QLatin1Char('"');
        return text +
               (change.type == Type::added ? QStringLiteral(" added") : QStringLiteral(" removed"));
    }
    QStringList parts;
    for (const CodeplugChange::Field& f : change.fields) {
        if (f.name == QLatin1String("name"))
            parts.prepend(QStringLiteral("renamed ") + compactJson(f.oldValue) +
                          QStringLiteral(" → ") + compactJson(f.newValue));
        else if (f.name == QLatin1String("memberIndices"))
            parts.append(membersText(f.oldValue, f.newValue, QStringLiteral("channel")));
        else if (f.name == QLatin1String("memberSlots"))
            parts.append(membersText(f.oldValue, f.newValue, QStringLiteral("contact")));
        else
            parts.append(f.name + QLatin1Char(' ') + compactJson(f.oldValue) +
                         QStringLiteral(" → ") + compactJson(f.newValue));
    }
    const QString separator =
        change.kind == Kind::settings ? QStringLiteral(": ") : QStringLiteral(" ");
    return label + separator + parts.join(QStringLiteral(", "));
}

QStringList diffText(const CodeplugDiff& diff) {
    QStringList lines;
    lines.reserve(diff.changes.size());
    for (const CodeplugChange& change : diff.changes)
        lines.append(changeText(change));
    return lines;
}

} // namespace nerka
