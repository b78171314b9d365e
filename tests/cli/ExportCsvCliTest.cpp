// nerka-cli export-csv run as a process on a codeplug file, and the file read
// back by edit's importChannels.

#include "CliProcess.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelCsvRows.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/ContactCsv.h"
#include "codeplug/MemberListCsv.h"
#include "codeplug/MemberLists.h"
#include "codeplug/RepeaterListCsv.h"
#include "sim/SampleCodeplug.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;
using test::runCli;

TEST(ExportCsvCli, WritesEveryChannelOfTheFileAsARepeaterList) {
    QTemporaryDir dir;
    const CodeplugImage image = sampleCodeplug(RadioVariant::uv380);
    const QString codeplug = dir.filePath(QStringLiteral("sample.nerka"));
    QFile file(codeplug);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCodeplugFile(image));
    file.close();
    const QString out = dir.filePath(QStringLiteral("list.csv"));

    const auto run = runCli({QStringLiteral("export-csv"), QStringLiteral("--format"),
                             QStringLiteral("repeater-list"), codeplug, QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<RadioChannel> channels = decodeChannels(image);
    ASSERT_FALSE(channels.isEmpty());
    EXPECT_EQ(run.outLines().last(),
              QStringLiteral("• %1 channels exported to list.csv.").arg(channels.size()));

    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_EQ(text, repeaterListCsv(channels));
    const RepeaterListImport back = parseRepeaterListCsv(text);
    EXPECT_TRUE(back.skipped.isEmpty());
    ASSERT_EQ(back.channels.size(), channels.size());
    for (qsizetype i = 0; i < channels.size(); ++i) {
        EXPECT_EQ(back.channels[i].rxHz, channels[i].rxHz);
        EXPECT_EQ(back.channels[i].txTone, channels[i].isDMR() ? std::nullopt : channels[i].txTone);
    }

    // `edit`'s importChannels reads the file back in the same layout.
    QFile ops(dir.filePath(QStringLiteral("ops.json")));
    ASSERT_TRUE(ops.open(QIODevice::WriteOnly));
    ops.write(QStringLiteral("[{\"op\": \"importChannels\", \"csv\": \"%1\"}]").arg(out).toUtf8());
    ops.close();
    const auto edit =
        runCli({QStringLiteral("edit"), codeplug, QStringLiteral("--ops"), ops.fileName(),
                QStringLiteral("-o"), dir.filePath(QStringLiteral("doubled.nerka"))});
    EXPECT_EQ(edit.exitCode, 0) << edit.out.toStdString();
    EXPECT_TRUE(
        edit.outLines().contains(QStringLiteral("• %1 channels imported.").arg(channels.size())));

    // Usage errors (2) and failures (1) leave no file behind.
    const QString other = dir.filePath(QStringLiteral("other.csv"));
    EXPECT_EQ(
        runCli({QStringLiteral("export-csv"), codeplug, QStringLiteral("-o"), other}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("export-csv"), QStringLiteral("--format"),
                      QStringLiteral("spreadsheet"), codeplug, QStringLiteral("-o"), other})
                  .exitCode,
              2);
    const auto missing = runCli({QStringLiteral("export-csv"), QStringLiteral("--format"),
                                 QStringLiteral("repeater-list"),
                                 dir.filePath(QStringLiteral("no")), QStringLiteral("-o"), other});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.startsWith(QStringLiteral("• Error: ")));
    EXPECT_FALSE(QFile::exists(other));
}

TEST(ExportCsvCli, ChannelsWithEveryFieldAndContactsReadBackTheSame) {
    QTemporaryDir dir;
    const CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    const QString codeplug = dir.filePath(QStringLiteral("sample.nerka"));
    QFile file(codeplug);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCodeplugFile(image));
    file.close();
    const auto exportAs = [&](const char* format, const QString& name) {
        const QString out = dir.filePath(name);
        const auto run = runCli({QStringLiteral("export-csv"), QStringLiteral("--format"),
                                 QString::fromUtf8(format), codeplug, QStringLiteral("-o"), out});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QFile written(out);
        EXPECT_TRUE(written.open(QIODevice::ReadOnly));
        return QString::fromUtf8(written.readAll());
    };

    const QList<RadioChannel> channels = decodeChannels(image);
    const QList<DMRContact> contacts = decodeContacts(image);
    ChannelRowNames names;
    for (const DMRContact& contact : contacts)
        names.contacts.insert(contact.slot, contact.name);
    const MemberLists lists = decodeMemberLists(image, channels);
    for (const Talkgroup& talkgroup : lists.talkgroups)
        names.groupLists.insert(talkgroup.index, talkgroup.name);
    for (const Zone& zone : lists.zones)
        names.zoneList.insert(zone.index, zone.name);
    const ChannelRowsRead rows = parseChannelRows(exportAs("channels", "all.csv"), names);
    EXPECT_TRUE(rows.skipped.isEmpty());
    ASSERT_EQ(rows.channels.size(), channels.size());
    for (qsizetype i = 0; i < channels.size(); ++i) {
        EXPECT_EQ(rows.channels[i], channelEditFrom(channels[i])) << channels[i].name.toStdString();
    }

    const ContactCsvRead back = parseContactsCsv(exportAs("contacts", "contacts.csv"));
    ASSERT_EQ(back.contacts.size(), contacts.size());
    for (qsizetype i = 0; i < contacts.size(); ++i)
        EXPECT_EQ(back.contacts[i].name, contacts[i].name);

    // `edit`'s importChannels takes the file with every field.
    QFile ops(dir.filePath(QStringLiteral("ops.json")));
    ASSERT_TRUE(ops.open(QIODevice::WriteOnly));
    ops.write(QStringLiteral("[{\"op\": \"importChannels\", \"csv\": \"%1\"}]")
                  .arg(dir.filePath(QStringLiteral("all.csv")))
                  .toUtf8());
    ops.close();
    const auto edit =
        runCli({QStringLiteral("edit"), codeplug, QStringLiteral("--ops"), ops.fileName(),
                QStringLiteral("-o"), dir.filePath(QStringLiteral("doubled.nerka"))});
    EXPECT_EQ(edit.exitCode, 0) << edit.out.toStdString();
    const QString imported = QStringLiteral("• %1 channels imported").arg(channels.size());
    const QStringList lines = edit.outLines();
    EXPECT_TRUE(std::any_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
        return line.startsWith(imported);
    })) << edit.out.toStdString();
}

TEST(ExportCsvCli, TalkgroupsAndZonesGoOutAndAnImportUpdatesByName) {
    QTemporaryDir dir;
    const CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    const QString codeplug = dir.filePath(QStringLiteral("sample.nerka"));
    QFile file(codeplug);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCodeplugFile(image));
    file.close();
    const QList<RadioChannel> channels = decodeChannels(image);
    const MemberLists lists = decodeMemberLists(image, channels);
    for (const char* format : {"talkgroups", "zones"}) {
        const QString out = dir.filePath(QString::fromUtf8(format) + QStringLiteral(".csv"));
        const auto run = runCli({QStringLiteral("export-csv"), QStringLiteral("--format"),
                                 QString::fromUtf8(format), codeplug, QStringLiteral("-o"), out});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QFile written(out);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(written.readAll()),
                  format == std::string("zones") ? zonesCsv(lists.zones, channels)
                                                 : talkgroupsCsv(lists.talkgroups, lists.contacts));
    }

    // One contact's ID changes; the others stay as they are.
    const DMRContact first = lists.contacts.first();
    QFile contacts(dir.filePath(QStringLiteral("contacts.csv")));
    ASSERT_TRUE(contacts.open(QIODevice::WriteOnly));
    contacts.write(QStringLiteral("Name,DMR-ID,Type\n%1,4711,%2\n")
                       .arg(first.name, rawText(first.type))
                       .toUtf8());
    contacts.close();
    const QString out = dir.filePath(QStringLiteral("updated.nerka"));
    const auto run = runCli({QStringLiteral("import-csv"), codeplug, QStringLiteral("--contacts"),
                             contacts.fileName(), QStringLiteral("--zones"),
                             dir.filePath(QStringLiteral("zones.csv")), QStringLiteral("--mode"),
                             QStringLiteral("update"), QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.outLines().contains(QStringLiteral("• contacts.csv: 1 updated.")))
        << run.out.toStdString();
    QFile saved(out);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const auto decoded = decodeCodeplugFile(saved.readAll());
    ASSERT_TRUE(std::holds_alternative<CodeplugImage>(decoded));
    const QList<DMRContact> after = decodeContacts(std::get<CodeplugImage>(decoded));
    ASSERT_EQ(after.size(), lists.contacts.size());
    EXPECT_EQ(after.first().dmrID, 4711u);
    EXPECT_EQ(after.mid(1), lists.contacts.mid(1));

    // An unknown mode is a usage error and writes nothing.
    const QString other = dir.filePath(QStringLiteral("other.nerka"));
    EXPECT_EQ(runCli({QStringLiteral("import-csv"), codeplug, QStringLiteral("--contacts"),
                      contacts.fileName(), QStringLiteral("--mode"), QStringLiteral("merge"),
                      QStringLiteral("-o"), other})
                  .exitCode,
              2);
    EXPECT_FALSE(QFile::exists(other));
}
