// nerka-cli's commands for codeplugs beyond one radio as a process: an empty
// codeplug of a family, records merged from another codeplug, and a write
// that keeps the radio's own identity.

#include "CliProcess.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/ContactCodec.h"
#include "codeplug/DeviceSettingsCodec.h"
#include "codeplug/MemberLists.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

class LibraryCli : public ::testing::Test {
protected:
    test::CliOutput run(const QStringList& args) {
        return test::runCli(args, test::isolatedEnvironment(home), 120000);
    }
    QString save(const QString& name, const CodeplugImage& image) const {
        const QString file = home.filePath(name);
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(encodeCodeplugFile(image));
        return file;
    }
    CodeplugImage open(const QString& name) const {
        QFile f(home.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        auto decoded = decodeCodeplugFile(f.readAll());
        EXPECT_TRUE(std::holds_alternative<CodeplugImage>(decoded));
        return std::get<CodeplugImage>(decoded);
    }
    QTemporaryDir home;
};

} // namespace

TEST_F(LibraryCli, NewThenMergeAZoneWithWhatItRefersTo) {
    const auto made =
        run({QStringLiteral("new"), QStringLiteral("--family"), QStringLiteral("uv380"),
             QStringLiteral("-o"), home.filePath(QStringLiteral("empty.nerka"))});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(made.out.startsWith(QStringLiteral("\u2022 New codeplug (UV380 family).\n")));
    const CodeplugImage empty = open(QStringLiteral("empty.nerka"));
    EXPECT_EQ(empty.variant, RadioVariant::uv380);
    EXPECT_TRUE(decodeChannels(empty).isEmpty());
    EXPECT_EQ(decodeDeviceSettings(empty), DeviceSettings{});

    const QString club = save(QStringLiteral("club.nerka"), sampleCodeplug(RadioVariant::uv380));
    const auto merged = run({QStringLiteral("merge"), home.filePath(QStringLiteral("empty.nerka")),
                             QStringLiteral("--from"), club, QStringLiteral("--zones"),
                             QStringLiteral("DMR Relais"), QStringLiteral("-o"),
                             home.filePath(QStringLiteral("merged.nerka"))});
    ASSERT_EQ(merged.exitCode, 0) << merged.err.toStdString() << merged.out.toStdString();
    const QStringList lines = merged.outLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("\u2022 Zones from club.nerka: 1 added.")))
        << merged.out.toStdString();
    const CodeplugImage result = open(QStringLiteral("merged.nerka"));
    const QList<RadioChannel> channels = decodeChannels(result);
    const MemberLists lists = decodeMemberLists(result, channels);
    ASSERT_EQ(lists.zones.size(), 1);
    EXPECT_EQ(lists.zones[0].name, QStringLiteral("DMR Relais"));
    EXPECT_EQ(lists.zones[0].memberIndices.size(), channels.size());
    for (const RadioChannel& channel : channels) {
        if (channel.contactIndex) {
            EXPECT_LT(*channel.contactIndex, lists.contacts.size()) << "a TX contact came along";
        }
    }
    EXPECT_FALSE(lists.talkgroups.isEmpty()) << "the group lists came along";

    const auto unknown =
        run({QStringLiteral("merge"), home.filePath(QStringLiteral("empty.nerka")),
             QStringLiteral("--from"), club, QStringLiteral("--zones"), QStringLiteral("Nowhere"),
             QStringLiteral("-o"), home.filePath(QStringLiteral("x.nerka"))});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("No zone named \"Nowhere\" in club.nerka.")));
    EXPECT_EQ(run({QStringLiteral("merge"), club, QStringLiteral("--from"), club,
                   QStringLiteral("--on-clash"), QStringLiteral("maybe"), QStringLiteral("-o"),
                   home.filePath(QStringLiteral("x.nerka"))})
                  .exitCode,
              2);
}

TEST_F(LibraryCli, WriteKeepIdentityKeepsTheRadiosCallSignAndDmrId) {
    RadioSimulator radio(RadioType::gd77);
    radio.setRebootDelayMs(50);
    CodeplugImage own = sampleCodeplug(RadioVariant::gd77);
    (void)encodeDeviceSettings({QStringLiteral("DL2ND"), 2622222, 144, 146, 430, 440}, own);
    ASSERT_TRUE(radio.loadCodeplug(own).ok());
    ASSERT_TRUE(radio.start().ok());
    CodeplugImage club = sampleCodeplug(RadioVariant::gd77);
    ContactEdit contact;
    contact.name = QStringLiteral("Club");
    contact.dmrID = 262999;
    (void)applyContactEdit(contact, 40, club);
    const QString file = save(QStringLiteral("club.nerka"), club);

    const auto write = run({QStringLiteral("write"), QStringLiteral("--port"), radio.devicePath(),
                            file, QStringLiteral("--keep-identity")});
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString() << write.out.toStdString();
    CodeplugImage held = club;
    for (qsizetype i = 0; i < held.regions.size(); ++i)
        held.blobs[i] =
            radio.memory(held.regions[i].bank, held.regions[i].address, held.regions[i].length);
    const auto settings = decodeDeviceSettings(held);
    EXPECT_EQ(settings->call, QStringLiteral("DL2ND"));
    EXPECT_EQ(settings->dmrID, 2622222u);
    EXPECT_EQ(decodeContacts(held), decodeContacts(club)) << "the rest of the file went over";
}
