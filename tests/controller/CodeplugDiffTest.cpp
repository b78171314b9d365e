#include "controller/CodeplugDiff.h"

#include "codeplug/AprsCodec.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/TalkgroupCodec.h"
#include "codeplug/ThemeCodec.h"
#include "codeplug/ZoneCodec.h"
#include "satellites/SatelliteCodec.h"
#include "sim/SampleCodeplug.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <functional>

using namespace nerka;

namespace {

using Kind = CodeplugChange::Kind;
using Type = CodeplugChange::Type;

CodeplugDiff diffOf(const CodeplugImage& a, const CodeplugImage& b) {
    auto result = diffCodeplugs(a, b);
    EXPECT_TRUE(std::holds_alternative<CodeplugDiff>(result));
    return std::get<CodeplugDiff>(result);
}

const CodeplugChange* find(const CodeplugDiff& diff, Kind kind, int key) {
    for (const CodeplugChange& c : diff.changes)
        if (c.kind == kind && c.key == key)
            return &c;
    return nullptr;
}

template <typename Family> class CodeplugDiffTest : public ::testing::Test {
protected:
    static RadioVariant variant() { return Family::value; }
    CodeplugImage sample = sampleCodeplug(Family::value);
};

using Gd77 = std::integral_constant<RadioVariant, RadioVariant::gd77>;
using Uv380 = std::integral_constant<RadioVariant, RadioVariant::uv380>;
using Families = ::testing::Types<Gd77, Uv380>;
TYPED_TEST_SUITE(CodeplugDiffTest, Families);

TYPED_TEST(CodeplugDiffTest, IdenticalCodeplugsHaveNoChanges) {
    const CodeplugDiff diff = diffOf(this->sample, this->sample);
    EXPECT_TRUE(diff.same());
    EXPECT_EQ(diffToJson(diff), (QJsonObject{{QStringLiteral("same"), true},
                                             {QStringLiteral("changes"), QJsonArray{}}}));
    EXPECT_TRUE(diffText(diff).isEmpty());
}

TYPED_TEST(CodeplugDiffTest, ReportsAddedRemovedAndChangedRecords) {
    CodeplugImage changed = this->sample;
    const QList<RadioChannel> channels = decodeChannels(changed);
    ASSERT_GE(channels.size(), 2);
    const RadioChannel first = channels[0];
    const RadioChannel second = channels[1];

    ChannelEdit edit = channelEditFrom(first);
    edit.name = QStringLiteral("Renamed");
    edit.rxHz = first.rxHz + 12500;
    (void)applyChannelEdit(edit, first.number, changed);
    (void)clearChannelSlot(second.number - 1, changed);
    const int added = channels.last().number + 1;
    (void)createBlankChannel(added - 1, changed);
    DeviceSettings settings = *decodeDeviceSettings(changed);
    settings.call = QStringLiteral("DL0XYZ");
    (void)encodeDeviceSettings(settings, changed);

    const QList<Zone> zones = decodeZones(changed, decodeChannels(changed));
    ASSERT_FALSE(zones.isEmpty());
    ZoneEdit zoneEdit{zones[0].name, zones[0].memberIndices};
    zoneEdit.memberIndices.append({added - 1, first.number - 1});
    (void)applyZoneEdit(zoneEdit, zones[0].index, changed);

    const CodeplugDiff diff = diffOf(this->sample, changed);
    ASSERT_FALSE(diff.same());

    const CodeplugChange* renamed = find(diff, Kind::channel, first.number);
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(renamed->type, Type::changed);
    ASSERT_EQ(renamed->fields.size(), 2) << "only the fields that differ";
    EXPECT_EQ(find(diff, Kind::channel, second.number)->type, Type::removed);
    EXPECT_EQ(find(diff, Kind::channel, added)->type, Type::added);
    ASSERT_NE(find(diff, Kind::settings, 0), nullptr);
    ASSERT_NE(find(diff, Kind::zone, zones[0].index), nullptr);

    const QStringList lines = diffText(diff);
    const auto mhz = [](std::uint64_t hz) { return QString::asprintf("%.5f", double(hz) / 1e6); };
    EXPECT_TRUE(lines.contains(QStringLiteral("Channel %1 %2: renamed to Renamed; RX (MHz) %3 → %4")
                                   .arg(first.number)
                                   .arg(first.name, mhz(first.rxHz), mhz(first.rxHz + 12500))))
        << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.contains(
        QStringLiteral("Channel %1 %2 deleted").arg(second.number).arg(second.name)));
    EXPECT_TRUE(lines.contains(QStringLiteral("Channel %1 New added").arg(added)));
    EXPECT_TRUE(lines.contains(QStringLiteral("Settings: Callsign %1 → DL0XYZ")
                                   .arg(decodeDeviceSettings(this->sample)->call)));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("Zone %1 %2: adds New, Renamed").arg(zones[0].index + 1).arg(zones[0].name)))
        << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines.size(), diff.changes.size()) << lines.join(u'\n').toStdString();

    // The JSON form: kinds, keys, field pairs; no fields for added or removed.
    const QJsonArray json = diffToJson(diff).value(QStringLiteral("changes")).toArray();
    bool sawRename = false;
    for (const QJsonValue& v : json) {
        const QJsonObject o = v.toObject();
        const QString change = o.value(QStringLiteral("change")).toString();
        EXPECT_EQ(o.contains(QStringLiteral("fields")), change == QLatin1String("changed"));
        if (o.value(QStringLiteral("kind")) == QLatin1String("channel") &&
            o.value(QStringLiteral("key")).toInt() == first.number) {
            sawRename = true;
            EXPECT_EQ(o.value(QStringLiteral("fields")).toObject().value(QStringLiteral("name")),
                      (QJsonArray{first.name, QStringLiteral("Renamed")}));
        }
    }
    EXPECT_TRUE(sawRename);
    // Every differing byte is explained by a listed record: no `bytes` entry.
    for (const CodeplugChange& c : diff.changes)
        EXPECT_NE(c.kind, Kind::bytes) << c.key;
}

TYPED_TEST(CodeplugDiffTest, ReportsBytesThatNoRecordCovers) {
    CodeplugImage changed = this->sample;
    const CodeplugLayout& layout = layoutForVariant(this->variant());
    // A reserved byte of a contact in use: no decoded field covers it.
    const QList<DMRContact> contacts = decodeContacts(changed);
    ASSERT_FALSE(contacts.isEmpty());
    const std::uint32_t reserved =
        layout.contactBank.address +
        std::uint32_t(contacts[0].slot * ContactRecord::kSize + ContactRecord::kReservedOffset);
    auto old = readBytes(changed, layout.contactBank.bank, reserved, 2);
    ASSERT_TRUE(old.has_value());
    QByteArray flipped = *old;
    flipped[0] = char(~flipped[0]);
    flipped[1] = char(~flipped[1]);
    const auto region = writeBytes(changed, layout.contactBank.bank, reserved, flipped);
    ASSERT_TRUE(region.has_value());

    const CodeplugDiff diff = diffOf(this->sample, changed);
    ASSERT_EQ(diff.changes.size(), 1);
    const CodeplugChange& bytes = diff.changes.first();
    EXPECT_EQ(bytes.kind, Kind::bytes);
    EXPECT_EQ(bytes.key, *region);
    const int offset = int(reserved - changed.regions[*region].address);
    ASSERT_EQ(bytes.fields.size(), 1);
    EXPECT_EQ(bytes.fields[0].name, QString::number(offset));
    EXPECT_EQ(bytes.fields[0].oldValue, QString::fromLatin1(old->toHex()));
    EXPECT_EQ(bytes.fields[0].newValue, QString::fromLatin1(flipped.toHex()));
    EXPECT_EQ(diffText(diff), QStringList{QStringLiteral("bytes outside known records in region %1 "
                                                         "differ at offset 0x%2 (2 bytes)")
                                              .arg(*region)
                                              .arg(QString::number(offset, 16).toUpper())});
}

TEST(CodeplugDiff, CodeplugsOfDifferentFamiliesCannotBeCompared) {
    const auto result =
        diffCodeplugs(sampleCodeplug(RadioVariant::gd77), sampleCodeplug(RadioVariant::uv380));
    ASSERT_TRUE(std::holds_alternative<QString>(result));
    EXPECT_TRUE(std::get<QString>(result).contains(QStringLiteral("gd77 and uv380")));
}

// Channel 12 of the sample, DB0AAT R4: FM repeater, TX tone 88.5 Hz.
ChannelEdit sampleChannel(const CodeplugImage& image, int number) {
    for (const RadioChannel& c : decodeChannels(image))
        if (c.number == number)
            return channelEditFrom(c);
    ADD_FAILURE() << "no channel " << number;
    return {};
}

void editChannel(CodeplugImage& image, int number, const std::function<void(ChannelEdit&)>& f) {
    ChannelEdit edit = sampleChannel(image, number);
    f(edit);
    (void)applyChannelEdit(edit, number, image);
}

void editSatellite(CodeplugImage& image, const std::function<void(Satellite&)>& f) {
    QList<Satellite> satellites = decodeSatellites(image).value_or(QList<Satellite>{});
    ASSERT_FALSE(satellites.isEmpty());
    f(satellites[0]);
    (void)writeSatellites(satellites, image);
}

TEST(CodeplugDiffText, EachKindOfChangeReadsInTheEditorsWords) {
    const CodeplugImage sample = sampleCodeplug(RadioVariant::gd77);
    const QString satellite = decodeSatellites(sample)->first().name;
    const CodeplugLayout& layout = layoutForVariant(RadioVariant::gd77);
    struct Case {
        const char* name;
        std::function<void(CodeplugImage&)> edit;
        QStringList lines;
    };
    const QList<Case> cases{
        {"power",
         [](CodeplugImage& i) { editChannel(i, 12, [](ChannelEdit& e) { e.powerRaw = 9; }); },
         {QStringLiteral("Channel 12 DB0AAT R4: Power Global → High")}},
        {"tone",
         [](CodeplugImage& i) {
             editChannel(i, 12, [](ChannelEdit& e) { e.txTone = Tone::dcs(23, false); });
         },
         {QStringLiteral("Channel 12 DB0AAT R4: TX tone 88.5 Hz → DCS 023 N")}},
        {"frequency and bandwidth",
         [](CodeplugImage& i) {
             editChannel(i, 12, [](ChannelEdit& e) {
                 e.rxHz = 145712500;
                 e.bandwidthWide = false;
             });
         },
         {QStringLiteral(
             "Channel 12 DB0AAT R4: RX (MHz) 145.70000 → 145.71250; Bandwidth 25 kHz → 12.5 kHz")}},
        {"contact and group list",
         [](CodeplugImage& i) {
             editChannel(i, 19, [](ChannelEdit& e) {
                 e.contactSlot = 2;
                 e.groupListIndex = std::nullopt;
             });
         },
         {QStringLiteral("Channel 19 DB0MUE TG262: Contact (TX) Deutschland (TG 262) → Bayern "
                         "(TG 2621); RX group list DL+Bayern → None")}},
        {"APRS and flags",
         [](CodeplugImage& i) {
             editChannel(i, 31, [](ChannelEdit& e) {
                 e.aprsIndex = 1;
                 e.rxOnly = false;
             });
         },
         {QStringLiteral("Channel 31 APRS 144.800: Receive only (RX-only) on → off; APRS APRS 1: "
                         "APRS EU → APRS 2: APRS DB0")}},
        {"contact",
         [](CodeplugImage& i) {
             (void)applyContactEdit(
                 {QStringLiteral("Parrot"), 262998, ContactType::group, TimeSlotOverride::ts2}, 4,
                 i);
         },
         {QStringLiteral("Contact 5 Parrot: DMR-ID 262997 → 262998; Type Private Call → Group "
                         "Call; Time slot override No override → Force TS2")}},
        {"talkgroup members by name",
         [](CodeplugImage& i) {
             (void)applyTalkgroupEdit({QStringLiteral("DL+Bayern"), {1, 3, 5}}, 0, i);
         },
         {QStringLiteral("Talkgroup 1 DL+Bayern: adds DL2ABC Max; removes Bayern")}},
        {"zone members by name",
         [](CodeplugImage& i) {
             (void)applyZoneEdit({QStringLiteral("Favoriten"), {7, 0, 20, 11}}, 4, i);
         },
         {QStringLiteral("Zone 5 Favoriten: adds DB0AAT R4; removes APRS 144.800; order changed")}},
        {"zone order",
         [](CodeplugImage& i) {
             (void)applyZoneEdit({QStringLiteral("Favoriten"), {7, 0, 20, 30}}, 4, i);
         },
         {QStringLiteral("Zone 5 Favoriten: order changed")}},
        {"settings",
         [](CodeplugImage& i) {
             DeviceSettings s = *decodeDeviceSettings(i);
             s.call = QStringLiteral("DL0XYZ");
             s.vhfMin = 136;
             (void)encodeDeviceSettings(s, i);
         },
         {QStringLiteral("Settings: Callsign DO1NRK → DL0XYZ; VHF Minimum (MHz) 144 → 136")}},
        {"APRS system",
         [&](CodeplugImage& i) {
             (void)writeBytes(i, layout.aprsBank.bank,
                              layout.aprsBank.address + AprsTable::kEntrySize,
                              QByteArray("APRS XY\xFF", 8));
         },
         {QStringLiteral("APRS system 2 APRS DB0: renamed to APRS XY")}},
        {"theme colour",
         [](CodeplugImage& i) {
             QList<ThemeColor> day = *decodeTheme(ThemeKind::day, i);
             day[2] = {1, 0, 0};
             (void)encodeTheme(day, ThemeKind::day, i);
         },
         {QStringLiteral("Day theme Decoration: #000000 → #FF0000")}},
        {"satellite elements",
         [](CodeplugImage& i) {
             editSatellite(i,
                           [](Satellite& s) { s.tle1 = packText(QStringLiteral("26335.5"), 12); });
         },
         {QStringLiteral("Satellite 1 %1: elements updated (epoch 2026-12-01)").arg(satellite)}},
        {"satellite frequency and tone",
         [](CodeplugImage& i) {
             editSatellite(i, [](Satellite& s) {
                 s.rxFreq2 = 145825000;
                 s.armTone = Tone::ctcss(670);
             });
         },
         {QStringLiteral("Satellite 1 %1: Arm CTCSS None → 67.0 Hz; APRS RX (MHz) not set → "
                         "145.82500")
              .arg(satellite)}},
        {"deleted",
         [](CodeplugImage& i) { (void)clearChannelSlot(11, i); },
         {QStringLiteral("Channel 12 DB0AAT R4 deleted")}},
        // The satellite table closes up behind a deleted satellite: one
        // deletion, not three renames.
        {"satellite deleted",
         [](CodeplugImage& i) {
             QList<Satellite> satellites = *decodeSatellites(i);
             satellites.removeAt(1);
             (void)writeSatellites(satellites, i);
         },
         {QStringLiteral("Satellite 2 SO-50 deleted"),
          QStringLiteral("Satellite 3 AO-91 renumbered to 2"),
          QStringLiteral("Satellite 4 AO-27 renumbered to 3")}},
        // Channel 12 dragged to 14: 13 and 14 move up, and the zone that holds
        // all three follows them without changing.
        {"moved",
         [](CodeplugImage& i) {
             QList<int> order;
             for (int p = 0; p < 31; ++p)
                 order.append(p);
             order.move(11, 13);
             const QHash<int, int> oldToNew{{11, 13}, {12, 11}, {13, 12}};
             (void)compactChannels(order, oldToNew, i);
         },
         {QStringLiteral("Channel 12 DB0AAT R4 moved to 14"),
          QStringLiteral("Channel 13 DB0ZU R6 renumbered to 12"),
          QStringLiteral("Channel 14 DB0RO R7 renumbered to 13")}},
        // Two contacts swap; channels and talkgroups keep naming the same ones.
        {"contacts swapped",
         [](CodeplugImage& i) {
             (void)compactContacts({1, 0, 2, 3, 4, 5, 6}, i);
         },
         {QStringLiteral("Contact 1 Weltweit moved to 2"),
          QStringLiteral("Contact 2 Deutschland renumbered to 1")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CodeplugImage changed = sample;
        c.edit(changed);
        const CodeplugDiff diff = diffOf(sample, changed);
        EXPECT_EQ(diffText(diff), c.lines) << diffText(diff).join(u'\n').toStdString();
    }
}

TEST(CodeplugDiffText, MovesKeepThePositionByPositionJsonAndManyRenumbersAreCounted) {
    const CodeplugImage sample = sampleCodeplug(RadioVariant::uv380);
    CodeplugImage moved = sample;
    // The first channel dragged to the end: 30 others move up by one.
    QList<int> order;
    QHash<int, int> oldToNew;
    for (int p = 1; p < 31; ++p) {
        order.append(p);
        oldToNew.insert(p, p - 1);
    }
    order.append(0);
    oldToNew.insert(0, 30);
    (void)compactChannels(order, oldToNew, moved);
    const CodeplugDiff diff = diffOf(sample, moved);
    EXPECT_EQ(diffText(diff), (QStringList{QStringLiteral("Channel 1 S20 Anruf moved to 31"),
                                           QStringLiteral("30 other channels renumbered")}));
    // The JSON form still lists every channel position whose record differs,
    // and the zones whose stored members were renumbered.
    const QJsonArray json = diffToJson(diff).value(QStringLiteral("changes")).toArray();
    int channels = 0;
    for (const QJsonValue& v : json) {
        const QJsonObject o = v.toObject();
        EXPECT_EQ(o.value(QStringLiteral("change")), QStringLiteral("changed"));
        if (o.value(QStringLiteral("kind")) == QStringLiteral("channel"))
            ++channels;
    }
    EXPECT_EQ(channels, 31);
    EXPECT_EQ(json.size(), diff.changes.size());
}

} // namespace
