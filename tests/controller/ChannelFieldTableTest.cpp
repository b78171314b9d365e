// Every field of the channel field table travels every path that carries it:
// its own text, the all-fields CSV and the clipboard's text, the dump and the
// edit JSON, and the change list's label.

#include "codeplug/ChannelCsvRows.h"
#include "codeplug/ChannelFields.h"
#include "codeplug/RecordFieldTables.h"
#include "controller/ChangeText.h"
#include "controller/RecordJson.h"
#include "satellites/SatelliteFields.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QSet>

using namespace nerka;

namespace {

RadioChannel fmChannel() {
    RadioChannel c;
    c.number = 3;
    c.name = QStringLiteral("Relais, \"Nord\"");
    c.rxHz = 145'600'000;
    c.txHz = 145'000'000;
    c.powerRaw = 2; // low, though not the byte the editor stores for low
    c.bandwidthWide = true;
    c.rxOnly = true;
    c.rxTone = Tone::ctcss(885);
    c.txTone = Tone::dcs(23, true);
    c.squelchMode = SquelchMode::normal;
    c.squelchLevel = 7;
    c.skipScan = c.skipZoneScan = c.vox = c.monitor = true;
    c.powerSave = c.beep = false;
    c.aprsIndex = 2;
    return c;
}

RadioChannel dmrChannel() {
    RadioChannel c;
    c.number = 9;
    c.name = QStringLiteral("DB0XYZ TS2");
    c.mode = ChannelMode::dmr;
    c.rxHz = 439'212'500;
    c.txHz = 431'612'500;
    c.powerRaw = 9;
    c.timeSlot = 2;
    c.colorCode = 12;
    c.contactIndex = 4;
    c.groupListIndex = 1;
    return c;
}

// The `edit` JSON's value of a field: the dump's where both keys are one.
QJsonValue editJsonOf(const ChannelFieldInfo& row, const RadioChannel& c) {
    if (row.id == ChannelField::mode)
        return c.isDMR();
    if (row.id == ChannelField::timeSlot)
        return c.timeSlot == 2;
    return row.dump(c);
}

// The field alone: a default edit with only this field taken from `from`.
ChannelEdit only(const ChannelFieldInfo& row, const ChannelEdit& from) {
    ChannelEdit edit;
    row.copy(from, edit);
    return edit;
}

} // namespace

TEST(ChannelFieldTableTest, EveryFieldRoundTripsThroughTextCsvClipboardJsonAndTheChangeList) {
    ChannelRowNames names;
    names.contacts = {{4, QStringLiteral("Hamburg")}};
    names.groupLists = {{1, QStringLiteral("DL")}};
    names.zones = {{3, {QStringLiteral("Home")}},
                   {9, {QStringLiteral("Home"), QStringLiteral("DMR")}}};
    names.zoneList = {{0, QStringLiteral("Home")}, {1, QStringLiteral("DMR")}};
    QSet<QString> labels;
    QSet<QString> headers;
    for (const ChannelFieldInfo& row : channelFieldTable()) {
        EXPECT_FALSE(labels.contains(row.label)) << row.label.toStdString();
        labels.insert(row.label);
        for (const QString& header : row.csvHeaders) {
            EXPECT_FALSE(headers.contains(header.toLower())) << header.toStdString();
            headers.insert(header.toLower());
        }
        EXPECT_TRUE(channelRowColumns().contains(row.csvHeaders.first()));
        EXPECT_EQ(channelFieldByCsvHeader(row.label), row.id) << "a label names its column";
    }
    for (const RadioChannel& channel : {fmChannel(), dmrChannel()}) {
        const ChannelEdit expected = channelEditFrom(channel);
        const RecordFields dumped = channelFields(channel);
        for (const QChar separator : {QChar(u'\t'), QChar(u',')}) {
            const ChannelRowsRead rows =
                parseChannelRows(channelRowsText({channel}, separator, names), names);
            ASSERT_EQ(rows.channels.size(), 1);
            EXPECT_EQ(rows.channels.first(), expected);
            EXPECT_EQ(rows.zones.first().size(), names.zones.value(channel.number).size());
        }
        for (const ChannelFieldInfo& row : channelFieldTable()) {
            SCOPED_TRACE(row.label.toStdString() + " of " + channel.name.toStdString());
            if (!row.canRead()) { // zones: membership, carried by name only
                EXPECT_EQ(row.text(channel, names), names.zones.value(channel.number).join(", "));
                continue;
            }
            ChannelEdit fromText;
            EXPECT_EQ(row.read(row.text(channel, names), fromText, names), std::nullopt);
            EXPECT_EQ(only(row, fromText), only(row, expected));

            EXPECT_TRUE(dumped.contains({row.dumpKey, row.dump(channel)}));
            ChannelEdit fromJson;
            const QJsonObject object{{row.editKey, editJsonOf(row, channel)}};
            EXPECT_EQ(readChannelEditJson(object, fromJson), std::nullopt);
            EXPECT_EQ(only(row, fromJson), only(row, expected));

            for (const QLatin1String key : {row.dumpKey, row.dumpTextKey}) {
                if (!key.isEmpty()) {
                    EXPECT_EQ(fieldLabel(CodeplugChange::Kind::channel, key), row.label);
                }
            }
        }
    }
}

TEST(ChannelFieldTableTest, EditJsonRefusesUnknownKeysAndValuesOutsideTheRecord) {
    const struct {
        const char* json;
        const char* refusal;
    } cases[] = {
        {R"({"colour": 1})", "unknown field 'colour'"},
        {R"({"colorCode": 16})", "'colorCode' must be an integer from 0 to 15"},
        {R"({"rxHz": 1e9})", "'rxHz' must be an integer from 0 to 999999999"},
        {R"({"isDMR": 1})", "'isDMR' must be true or false"},
        {R"({"contactSlot": 1024})", "'contactSlot' must be an integer from 0 to 1023"},
        {R"({"squelchMode": "Loud"})", "'squelchMode' must be one of Global, Open, Normal, Closed"},
        {R"({"txTone": {"ctcss": 694}})",
         "'txTone' must be a CTCSS tone (tenths of Hz) or DCS code of the tone tables"},
    };
    for (const auto& c : cases) {
        ChannelEdit edit;
        const auto object = QJsonDocument::fromJson(c.json).object();
        EXPECT_EQ(readChannelEditJson(object, edit), QString::fromUtf8(c.refusal)) << c.json;
    }
}

// Every field of a small record kind's table is in the record's dump under
// its key and labels the change list's phrases.
template <typename Record>
void expectDumpAndLabels(CodeplugChange::Kind kind, const QList<RecordFieldInfo<Record>>& table,
                         const Record& record, const RecordFields& dump) {
    for (const auto& row : table) {
        EXPECT_TRUE(dump.contains({row.key, row.dump(record)})) << row.key.data();
        EXPECT_EQ(fieldLabel(kind, row.key), row.label) << row.key.data();
    }
}

TEST(ChannelFieldTableTest, SmallRecordKindsDumpShowAndLabelFromTheirTables) {
    using Kind = CodeplugChange::Kind;
    const DMRContact contact{4, QStringLiteral("Hamburg"), 262, ContactType::allCall,
                             TimeSlotOverride::ts2};
    expectDumpAndLabels(Kind::contact, contactFieldTable(), contact, contactFields(contact));
    EXPECT_EQ(contactFieldTable()[2].text(contact), QStringLiteral("All Call"));

    const DeviceSettings settings{QStringLiteral("DL1ABC"), 2621001, 136, 174, 400, 480};
    ASSERT_EQ(settingsFields(settings).size(), settingsFieldTable().size());
    expectDumpAndLabels(Kind::settings, settingsFieldTable(), settings, settingsFields(settings));

    const Talkgroup group{2, QStringLiteral("Regional"), {0, 4}, {"Hamburg", "Bayern"}};
    expectDumpAndLabels(Kind::talkgroup, talkgroupFieldTable(), group, talkgroupFields(group));
    EXPECT_EQ(talkgroupFieldTable()[1].text(group), QStringLiteral("1, 5"));
    const Zone zone{0, QStringLiteral("Home"), {0, 9}, {"DB0ZU", "DB0MUC"}};
    expectDumpAndLabels(Kind::zone, zoneFieldTable(), zone, zoneFields(zone));
    EXPECT_EQ(zoneFieldTable()[2].text(zone), QStringLiteral("DB0ZU, DB0MUC"));

    Satellite satellite;
    satellite.name = QStringLiteral("ISS");
    satellite.rxFreq1 = 145'800'000;
    satellite.txTone = Tone::ctcss(670);
    const RecordFields satelliteDump = satelliteFields(satellite);
    ASSERT_EQ(satelliteDump.size(), satelliteFieldTable().size() + 1); // and its index
    expectDumpAndLabels(Kind::satellite, satelliteFieldTable(), satellite, satelliteDump);
    // The table shows what is set, and a dash for what is not.
    const auto shown = [&](const char* key) {
        return satelliteField(QLatin1String(key))->text(satellite);
    };
    EXPECT_EQ(shown("rxFreq1"), QStringLiteral("145.80000"));
    EXPECT_EQ(shown("txFreq1"), QStringLiteral("—"));
    EXPECT_EQ(shown("txTone"), Tone::ctcss(670).displayText());
    EXPECT_EQ(shown("armTone"), QStringLiteral("—"));
    EXPECT_EQ(shown("epoch"), QStringLiteral("—"));
}
