#include "controller/CodeplugDiff.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/ZoneCodec.h"
#include "sim/SampleCodeplug.h"

#include <QJsonArray>

#include <gtest/gtest.h>

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
    EXPECT_EQ(changeText(*renamed),
              QStringLiteral("channel %1 renamed \"%2\" → \"Renamed\", rxHz %3 → %4")
                  .arg(first.number)
                  .arg(first.name)
                  .arg(first.rxHz)
                  .arg(first.rxHz + 12500));

    const CodeplugChange* removed = find(diff, Kind::channel, second.number);
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(removed->type, Type::removed);
    const CodeplugChange* created = find(diff, Kind::channel, added);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->type, Type::added);
    EXPECT_EQ(changeText(*created), QStringLiteral("channel %1 \"New\" added").arg(added));

    const CodeplugChange* call = find(diff, Kind::settings, 0);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(changeText(*call), QStringLiteral("settings: call \"%1\" → \"DL0XYZ\"")
                                     .arg(decodeDeviceSettings(this->sample)->call));

    const CodeplugChange* zone = find(diff, Kind::zone, zones[0].index);
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(changeText(*zone),
              QStringLiteral("zone %1 gains 2 channels").arg(zones[0].index + 1));

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
        EXPECT_NE(c.kind, Kind::bytes) << changeText(c).toStdString();
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
    EXPECT_EQ(changeText(bytes), QStringLiteral("bytes outside known records in region %1 "
                                                "differ at offset 0x%2 (2 bytes)")
                                     .arg(*region)
                                     .arg(QString::number(offset, 16).toUpper()));
}

TEST(CodeplugDiff, CodeplugsOfDifferentFamiliesCannotBeCompared) {
    const auto result =
        diffCodeplugs(sampleCodeplug(RadioVariant::gd77), sampleCodeplug(RadioVariant::uv380));
    ASSERT_TRUE(std::holds_alternative<QString>(result));
    EXPECT_TRUE(std::get<QString>(result).contains(QStringLiteral("gd77 and uv380")));
}

} // namespace
