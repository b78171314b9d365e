// The codeplug as four CSV files: the sample codeplug out and back in each
// mode, an update that touches one channel, names that need quoting or are
// shared, and imports that are refused whole.

#include "controller/CodeplugDocument.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/Megahertz.h"
#include "codeplug/MemberLists.h"
#include "sim/SampleCodeplug.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

void loadImage(CodeplugDocument& document, const CodeplugImage& image) {
    const QList<RadioChannel> channels = decodeChannels(image);
    MemberLists lists = decodeMemberLists(image, channels);
    document.load(image, {channels, lists.contacts, lists.talkgroups, lists.zones});
    document.setBaseline(image);
}

// What a user compares after a round trip: every record by its fields and
// names, in order, whatever slots they landed in.
QStringList recordTexts(const CodeplugDocument& document) {
    QStringList out;
    const ChannelRowNames names = document.channelRowNames();
    for (const RadioChannel& channel : document.channels())
        out.append(QStringLiteral("channel ") + channelRowFields(channel, names).join(u'|'));
    for (const DMRContact& c : document.contacts())
        out.append(QStringLiteral("contact %1|%2|%3|%4")
                       .arg(c.name)
                       .arg(c.dmrID)
                       .arg(rawText(c.type), rawText(c.timeSlotOverride)));
    for (const Talkgroup& t : document.talkgroups())
        out.append(QStringLiteral("talkgroup %1: %2").arg(t.name, t.contactNames.join(u',')));
    for (const Zone& z : document.zones())
        out.append(QStringLiteral("zone %1: %2").arg(z.name, z.channelNames.join(u',')));
    return out;
}

void write(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

class CodeplugCsvFiles : public ::testing::Test {
protected:
    void SetUp() override {
        loadImage(document, sampleCodeplug(RadioVariant::gd77));
        ASSERT_TRUE(document.exportCodeplugCsv(folder.path()).isDone());
        paths = CodeplugCsvPaths::inFolder(folder.path());
    }

    // Every record deleted as the user would delete them.
    void empty() {
        QList<int> numbers;
        for (const RadioChannel& channel : document.channels())
            numbers.append(channel.number);
        ASSERT_TRUE(document.deleteChannels(numbers).isDone());
        while (!document.zones().isEmpty())
            ASSERT_TRUE(document.deleteZone(document.zones().first().index).isDone());
        while (!document.talkgroups().isEmpty())
            ASSERT_TRUE(document.deleteTalkgroup(document.talkgroups().first().index).isDone());
        while (!document.contacts().isEmpty())
            ASSERT_TRUE(document.deleteContact(document.contacts().first().slot).isDone());
    }

    CodeplugDocument document;
    QTemporaryDir folder;
    CodeplugCsvPaths paths;
};

TEST_F(CodeplugCsvFiles, TheSampleComesBackInEveryMode) {
    const QStringList original = recordTexts(document);
    ASSERT_FALSE(paths.zones.isEmpty());

    // Update into itself: nothing differs, so no step and nothing to write.
    const auto undoLabel = document.undoLabel();
    const EditResult same = document.importCodeplugCsv(paths, CsvImportMode::update);
    ASSERT_TRUE(same.isDone()) << same.refusal()->text.toStdString();
    EXPECT_EQ(same.notes().size(), 4);
    EXPECT_EQ(document.undoLabel(), undoLabel);
    EXPECT_TRUE(document.dirtyRegions().empty());
    EXPECT_EQ(recordTexts(document), original);

    // Append into an empty codeplug of the same family: the same records.
    empty();
    const EditResult appended = document.importCodeplugCsv(paths, CsvImportMode::append);
    ASSERT_TRUE(appended.isDone()) << appended.refusal()->text.toStdString();
    EXPECT_EQ(recordTexts(document), original);
    EXPECT_EQ(document.undoLabel(), QStringLiteral("Import codeplug from CSV files"));

    // Replace over a codeplug with a channel too many and a zone renamed: the
    // channel goes, the zone comes back under its name.
    ASSERT_TRUE(document.duplicateChannel(document.channels().first().number).isDone());
    ChannelEdit extra = channelEditFrom(document.channels().last());
    extra.name = QStringLiteral("Extra");
    ASSERT_TRUE(document.updateChannel(document.channels().last().number, extra).isDone());
    const Zone zone = document.zones().first();
    ASSERT_TRUE(
        document.updateZone(zone.index, ZoneEdit{QStringLiteral("Elsewhere"), zone.memberIndices})
            .isDone());
    const EditResult replaced = document.importCodeplugCsv(paths, CsvImportMode::replace);
    ASSERT_TRUE(replaced.isDone()) << replaced.refusal()->text.toStdString();
    EXPECT_EQ(recordTexts(document), original);

    // One undo step takes the whole import back.
    ASSERT_TRUE(document.undo().isDone());
    EXPECT_EQ(document.zones().first().name, QStringLiteral("Elsewhere"));
}

TEST_F(CodeplugCsvFiles, AnUpdateOfOneChannelKeepsItsZonesAndNamesItsLine) {
    // A repeater channel (TX off RX) that a zone holds.
    const auto repeater = std::find_if(
        document.channels().cbegin(), document.channels().cend(), [&](const RadioChannel& c) {
            return c.txHz != c.rxHz && !document.channelRowNames().zones.value(c.number).isEmpty();
        });
    ASSERT_NE(repeater, document.channels().cend());
    const RadioChannel target = *repeater;
    QFile file(paths.channels);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    // Only TX of the target changes.
    const QString before =
        QStringLiteral("%1,%2,%3")
            .arg(target.name, megahertzText(target.rxHz), megahertzText(target.txHz));
    ASSERT_TRUE(text.contains(before)) << before.toStdString();
    text.replace(before,
                 QStringLiteral("%1,%2,%3")
                     .arg(target.name, megahertzText(target.rxHz), megahertzText(target.rxHz)));
    write(paths.channels, text);

    const QList<Zone> zones = document.zones();
    const EditResult result =
        document.importCodeplugCsv({{}, {}, paths.channels, {}}, CsvImportMode::update);
    ASSERT_TRUE(result.isDone()) << result.refusal()->text.toStdString();
    EXPECT_EQ(result.notes(), QStringList{QStringLiteral("channels.csv: 1 updated.")});
    EXPECT_EQ(document.channel(target.number)->txHz, target.rxHz);
    EXPECT_EQ(document.zones(), zones);
}

TEST_F(CodeplugCsvFiles, SharedNamesAndCommasSurviveAndBadRowsAreNamed) {
    // Two channels share a name, one name holds a comma and quotes; a zone
    // holds both copies.
    const RadioChannel first = document.channels().first();
    ASSERT_TRUE(document.duplicateChannel(first.number).isDone());
    const int copy = document.channels().last().number;
    ChannelEdit renamed = channelEditFrom(*document.channel(document.channels()[1].number));
    renamed.name = QStringLiteral("Nord, \"Alt\"");
    ASSERT_TRUE(document.updateChannel(document.channels()[1].number, renamed).isDone());
    const auto zoneIndex = document.freeZoneIndex();
    ASSERT_TRUE(zoneIndex);
    ASSERT_TRUE(document
                    .updateZone(*zoneIndex, ZoneEdit{QStringLiteral("Copies"),
                                                     {first.number - 1, copy - 1,
                                                      document.channels()[1].number - 1}})
                    .isDone());
    const QStringList original = recordTexts(document);
    ASSERT_TRUE(document.exportCodeplugCsv(folder.path()).isDone());
    empty();
    ASSERT_TRUE(document.importCodeplugCsv(paths, CsvImportMode::append).isDone());
    EXPECT_EQ(recordTexts(document), original);

    // A member nobody has, a row without a name and one whose quote never
    // closes are named; the other rows are taken.
    write(paths.zones,
          QStringLiteral("Name,Channels\nFound,%1\n,%1\nLost,\"%1, Nowhere\"\nBroken,\"%1\n")
              .arg(first.name + QStringLiteral(" #") + QString::number(first.number)));
    const EditResult result =
        document.importCodeplugCsv({{}, {}, {}, paths.zones}, CsvImportMode::append);
    ASSERT_TRUE(result.isDone()) << result.refusal()->text.toStdString();
    EXPECT_EQ(result.notes(),
              QStringList{QStringLiteral("zones.csv: 2 added; 2 rows skipped: line 3 no name, line "
                                         "5 quote not closed (the rest of the file was taken into "
                                         "this row); 1 member not found, left out: line 4 "
                                         "channel 'Nowhere'.")});
}

TEST_F(CodeplugCsvFiles, ARefusedImportChangesNothing) {
    const QStringList original = recordTexts(document);
    const QString undoLabel = document.undoLabel();
    // Contacts are added, then the zones file is unreadable as such: the
    // contacts must not stay.
    write(paths.contacts, QStringLiteral("Name,DMR-ID\nNew one,1234\n"));
    write(paths.zones, QStringLiteral("Zone,Members\nA,B\n"));
    const EditResult result = document.importCodeplugCsv(paths, CsvImportMode::append);
    ASSERT_TRUE(result.isRefused());
    EXPECT_EQ(result.refusal()->text, QStringLiteral("The zone CSV has no Name column."));
    EXPECT_EQ(recordTexts(document), original);
    EXPECT_EQ(document.undoLabel(), undoLabel);
    EXPECT_TRUE(document.dirtyRegions().empty());

    // More zones than the codeplug holds: refused with the numbers.
    QString many = QStringLiteral("Name,Channels\n");
    for (int i = 0; i < CodeplugDocument::kZoneCapacity; ++i)
        many += QStringLiteral("Z%1,\n").arg(i);
    write(paths.zones, many);
    const EditResult full =
        document.importCodeplugCsv({{}, {}, {}, paths.zones}, CsvImportMode::append);
    ASSERT_TRUE(full.isRefused());
    EXPECT_TRUE(
        full.refusal()->text.startsWith(QStringLiteral("Zone memory is full (max 68): 68 to "
                                                       "import,")))
        << full.refusal()->text.toStdString();
    EXPECT_EQ(recordTexts(document), original);
}

} // namespace
