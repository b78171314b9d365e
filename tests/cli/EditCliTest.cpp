#include "CliProcess.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/ZoneCodec.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

struct EditRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

class EditCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        CodeplugImage image;
        image.variant = RadioVariant::gd77;
        image.regions = layoutForVariant(RadioVariant::gd77).regions;
        for (const auto& region : image.regions)
            image.blobs.append(QByteArray(region.length, '\0'));
        for (int number : {1, 2, 4}) {
            ASSERT_FALSE(createBlankChannel(number - 1, image).empty());
            ChannelEdit edit;
            edit.name = QStringLiteral("Ch %1").arg(number);
            edit.rxHz = edit.txHz = 430'000'000 + std::uint64_t(number) * 25'000;
            ASSERT_FALSE(applyChannelEdit(edit, number, image).empty());
        }
        ASSERT_FALSE(applyZoneEdit(ZoneEdit{QStringLiteral("Z"), {3, 0}}, 0, image).empty());
        write(QStringLiteral("in.ogd"), encodeCodeplugFile(image));
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& data) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    EditRun edit(const QByteArray& opsJson, const QStringList& extra = {}) {
        write(QStringLiteral("ops.json"), opsJson);
        const test::CliOutput result =
            test::runCli(QStringList{QStringLiteral("edit"), path(QStringLiteral("in.ogd")),
                                     QStringLiteral("--ops"), path(QStringLiteral("ops.json")),
                                     QStringLiteral("-o"), path(QStringLiteral("out.ogd"))} +
                         extra);
        return EditRun{result.exitCode, result.outLines(), result.err};
    }
    std::optional<CodeplugImage> output() const {
        QFile file(path(QStringLiteral("out.ogd")));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        auto decoded = decodeCodeplugFile(file.readAll());
        if (auto* image = std::get_if<CodeplugImage>(&decoded))
            return *image;
        return std::nullopt;
    }
    static QStringList names(const CodeplugImage& image) {
        QStringList out;
        for (const RadioChannel& c : decodeChannels(image))
            out.append(QStringLiteral("%1 %2").arg(c.number).arg(c.name));
        return out;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(EditCliTest, AppliesOperationsInOrderAndSaves) {
    write(QStringLiteral("more.csv"), "Repeater;145.600;145.000;FM\n");
    const EditRun run = edit(R"([
        {"op": "createChannel"},
        {"op": "updateChannel", "number": 3, "edit": {"name": "Local", "rxHz": 145500000,
                                                      "txTone": {"ctcss": 885}}},
        {"op": "importChannels", "csv": ")" +
                             path(QStringLiteral("more.csv")).toUtf8() + R"("},
        {"op": "copyChannel", "number": 1},
        {"op": "pasteChannel"},
        {"op": "deleteChannels", "numbers": [2]},
        {"op": "reorderChannels", "numbers": [4, 1, 3, 5, 6]},
        {"op": "writeSettings", "call": "DL1ABC", "vhfMin": 144, "vhfMax": 146,
                                "uhfMin": 430, "uhfMax": 440}
    ])");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, (QStringList{
                           QStringLiteral("• File loaded: in.ogd (GD77)"),
                           QStringLiteral("• Channel 3 created."),
                           QStringLiteral("• Channel 3 changed: Local (RX 145.50000)"),
                           QStringLiteral("• 1 channels imported."),
                           QStringLiteral("• Channel 1 copied."),
                           QStringLiteral("• Channel pasted \u2192 6."),
                           QStringLiteral("• Channel 2 deleted."),
                           QStringLiteral("• Channels reordered."),
                           QStringLiteral("• Device settings changed: VHF 144\u2013146, UHF "
                                          "430\u2013440 MHz."),
                           QStringLiteral("• Gespeichert: out.ogd"),
                       }));

    const auto image = output();
    ASSERT_TRUE(image);
    EXPECT_EQ(names(*image), (QStringList{QStringLiteral("1 Ch 4"), QStringLiteral("2 Ch 1"),
                                          QStringLiteral("3 Local"), QStringLiteral("4 Repeater"),
                                          QStringLiteral("5 Ch 1")}));
    const RadioChannel local = decodeChannels(*image)[2];
    EXPECT_EQ(local.txTone, Tone::ctcss(885));
    EXPECT_EQ(local.txHz, 145'000'000u) << "fields left out keep their values";
    const QList<Zone> zones = decodeZones(*image, decodeChannels(*image));
    ASSERT_EQ(zones.size(), 1);
    EXPECT_EQ(zones[0].memberIndices, (QList<int>{0, 1})) << "members follow their channels";
    EXPECT_EQ(decodeDeviceSettings(*image)->call, QStringLiteral("DL1ABC"));
}

TEST_F(EditCliTest, AFailedOperationIsReportedAndTheRunGoesOn) {
    const EditRun run = edit(R"([
        {"op": "deleteChannel", "number": 3},
        {"op": "importTheme", "kind": "day", "path": "/nonexistent.gtm"},
        {"op": "updateChannel", "number": 1, "edit": {"rxHz": "145.5"}},
        {"op": "deleteChannel", "number": 1}
    ])");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
              (QStringList{
                  QStringLiteral("• File loaded: in.ogd (GD77)"),
                  QStringLiteral("• Error: Operation 1 (deleteChannel): no channel with number 3"),
                  QStringLiteral("• Error: Kein Theme im Codeplug vorhanden."),
                  QStringLiteral("• Error: Operation 3 (updateChannel): edit: 'rxHz' must be an "
                                 "integer from 0 to 999999999"),
                  QStringLiteral("• Channel 1 deleted; removed from 1 zone(s)."),
                  QStringLiteral("• Gespeichert: out.ogd"),
              }));
    EXPECT_TRUE(run.err.contains(QStringLiteral("Kein Theme im Codeplug vorhanden.\n")));
    const auto image = output();
    ASSERT_TRUE(image) << "OUT is saved after a failed operation";
    EXPECT_EQ(names(*image), (QStringList{QStringLiteral("2 Ch 2"), QStringLiteral("4 Ch 4")}));

    // An edit the codeplug refuses fails the run on its own, too.
    const EditRun refused =
        edit(R"([{"op": "importTheme", "kind": "day", "path": "/nonexistent.gtm"}])");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out.value(1), QStringLiteral("• Error: Kein Theme im Codeplug vorhanden."));
}

TEST_F(EditCliTest, ABrokenOperationsFileChangesNothing) {
    EditRun run = edit(R"([{"op": "createChannel"}, {"op": "renameChannel"}])");
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.out.size(), 1);
    EXPECT_TRUE(run.out[0].startsWith(QStringLiteral("• Error: Operation 2 of ")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.ogd"))));

    run = edit(R"([{"op": "reorderChannels", "numbers": [4, 1]}])");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.value(1),
              QStringLiteral("• Error: Operation 1 (reorderChannels): 'numbers' must name every "
                             "one of the 3 records exactly once"))
        << "a partial order would drop the channels left out";

    run = edit("[]", {QStringLiteral("--bogus")});
    EXPECT_EQ(run.exitCode, 2);
}

// The command line runs the same checks as the window: a value given
// outside the radio's bands is kept with a warning, a CSV row outside them is
// left out and named, a name is shown as stored.
TEST_F(EditCliTest, ChecksTheBandsAndShowsStoredNames) {
    write(QStringLiteral("rows.csv"), "Name,RX\n6m Call,52.525\nS20,145.5\n");
    const EditRun run = edit(R"([
        {"op": "writeSettings", "call": "DL1ABC", "vhfMin": 136, "vhfMax": 174,
                                "uhfMin": 400, "uhfMax": 480},
        {"op": "updateChannel", "number": 1, "edit": {"name": "Zürich ⚡ Hauptbahnhof",
                                                      "rxHz": 52525000, "txHz": 52525000}},
        {"op": "importChannels", "csv": ")" +
                             path(QStringLiteral("rows.csv")).toUtf8() + R"("}
    ])");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(run.out.size(), 5) << run.out.join(u'\n').toStdString();
    EXPECT_EQ(run.out[2], QStringLiteral("• Channel 1 changed: Zürich ? Hauptba (RX 52.52500); "
                                         "RX 52.525 MHz outside this radio's bands (VHF "
                                         "136–174, UHF 400–480 MHz)."));
    EXPECT_EQ(run.out[3], QStringLiteral("• 1 channels imported; 1 row outside this radio's "
                                         "bands (VHF 136–174, UHF 400–480 MHz): line 2 6m Call "
                                         "52.525 MHz."));
}
