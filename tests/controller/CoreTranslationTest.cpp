// With the core catalogues installed (as the window installs them), the
// libraries' labels, value words, log lines and counts come out in that
// language, while what files carry (CSV headers and cells, JSON keys and
// values) keeps its source words.

#include "controller/CodeplugDocument.h"
#include "controller/RecordJson.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelCsvRows.h"
#include "codeplug/ChannelFields.h"
#include "codeplug/MemberLists.h"
#include "sim/SampleCodeplug.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

class CoreTranslationTest : public ::testing::Test {
protected:
    void install(const QString& language) {
        ASSERT_TRUE(translator.load(QStringLiteral("nerka_core_") + language,
                                    QStringLiteral(NERKA_QM_DIR)));
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }

    void loadSample() {
        const CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
        const QList<RadioChannel> channels = decodeChannels(image);
        const MemberLists lists = decodeMemberLists(image, channels);
        document.load(image, {channels, lists.contacts, lists.talkgroups, lists.zones});
    }

    QTranslator translator;
    CodeplugDocument document;
};

} // namespace

TEST_F(CoreTranslationTest, GermanShowsLabelsWordsAndLogLinesWhileFilesKeepTheirWords) {
    install(QStringLiteral("de"));
    loadSample();

    const ChannelFieldInfo& rxOnly = channelField(ChannelField::rxOnly);
    EXPECT_EQ(rxOnly.displayLabel(), QStringLiteral("Nur Empfang (RX-only)"));
    EXPECT_EQ(rxOnly.reason(QStringLiteral("x")), QStringLiteral("Nur Empfang (RX-only): x"));
    const ChannelFieldInfo& power = channelField(ChannelField::power);
    EXPECT_EQ(power.displayChoices().value(power.choices.indexOf(QStringLiteral("High"))),
              QStringLiteral("Hoch"));

    RadioChannel channel = document.channels().first();
    channel.rxOnly = true;
    EXPECT_EQ(rxOnly.displayText(channel, {}), QStringLiteral("Ja"));

    // What files carry: the CSV header and cell, the dump's key and value.
    EXPECT_EQ(rxOnly.label, QStringLiteral("Receive only (RX-only)"));
    EXPECT_EQ(rxOnly.csvHeaders.first(), QStringLiteral("RX only"));
    EXPECT_EQ(channelRowFields(channel, {}).value(rxOnly.csvColumn), QStringLiteral("Yes"));
    const QJsonObject json = channelToJson(channel);
    EXPECT_TRUE(json.value(QStringLiteral("rxOnly")).toBool());
    EXPECT_EQ(json.value(QStringLiteral("power")).toString(),
              rawText(powerLevel(channel.powerRaw)));

    // A log line with arguments and a count in words: a zoned channel deleted.
    const Zone& zone = document.zones().first();
    const int number = zone.memberIndices.first() + 1;
    qsizetype zonesHolding = 0;
    for (const Zone& z : document.zones())
        zonesHolding += z.memberIndices.contains(number - 1) ? 1 : 0;
    const EditResult deleted = document.deleteChannels({number});
    ASSERT_TRUE(deleted.isDone());
    EXPECT_EQ(deleted.summary(),
              QStringLiteral("Kanal %1 gelöscht; aus %2 %3 entfernt.")
                  .arg(number)
                  .arg(zonesHolding)
                  .arg(zonesHolding == 1 ? QStringLiteral("Zone") : QStringLiteral("Zonen")));
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Kanal %1 löschen").arg(number));
}

TEST_F(CoreTranslationTest, EnglishShowsTheGermanSourceTextsInEnglish) {
    install(QStringLiteral("en"));
    loadSample();
    EXPECT_EQ(channelField(ChannelField::colorCode).displayLabel(), QStringLiteral("Colour code"));
    EXPECT_EQ(channelField(ChannelField::colorCode).label, QStringLiteral("Farbcode"));
    EXPECT_EQ(document.importChannels({}).errorText(), QStringLiteral("Nothing to import."));

    const Zone& zone = document.zones().first();
    const int number = zone.memberIndices.first() + 1;
    const EditResult deleted = document.deleteChannels({number});
    ASSERT_TRUE(deleted.isDone());
    EXPECT_TRUE(deleted.summary().endsWith(QStringLiteral(" zone.")) ||
                deleted.summary().endsWith(QStringLiteral(" zones.")))
        << deleted.summary().toStdString();
}

TEST_F(CoreTranslationTest, WithoutATranslatorTheSourceTextsStay) {
    loadSample();
    EXPECT_EQ(channelField(ChannelField::colorCode).displayLabel(), QStringLiteral("Farbcode"));
    const Zone& zone = document.zones().first();
    const int number = zone.memberIndices.first() + 1;
    const EditResult deleted = document.deleteChannels({number});
    ASSERT_TRUE(deleted.isDone());
    EXPECT_TRUE(deleted.summary().contains(QStringLiteral(" zone(s).")))
        << deleted.summary().toStdString();
}
