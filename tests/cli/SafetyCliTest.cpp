// nerka-cli's safe-write commands as a process: diff of two codeplug files,
// write with backup, change summary and read-back against a stand-in on a
// pseudo-terminal, and the list of backups.

#include "CliProcess.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "controller/CodeplugDiff.h"
#include "sim/RadioSimulator.h"
#include "sim/SampleCodeplug.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace nerka;

namespace {

class SafetyCli : public ::testing::Test {
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

    // A stand-in with the sample codeplug that comes back quickly after a reboot.
    static std::unique_ptr<RadioSimulator> startRadio() {
        auto radio = std::make_unique<RadioSimulator>(RadioType::gd77);
        radio->setRebootDelayMs(50);
        EXPECT_TRUE(radio->loadCodeplug(sampleCodeplug(RadioVariant::gd77)).ok());
        EXPECT_TRUE(radio->start().ok());
        return radio;
    }

    QTemporaryDir home;
};

TEST_F(SafetyCli, DiffExitsZeroForTheSameOneForChangesTwoForTrouble) {
    const CodeplugImage sample = sampleCodeplug(RadioVariant::uv380);
    CodeplugImage renamed = sample;
    const RadioChannel first = decodeChannels(renamed).first();
    ChannelEdit edit = channelEditFrom(first);
    edit.name = QStringLiteral("Elsewhere");
    (void)applyChannelEdit(edit, first.number, renamed);
    const QString a = save(QStringLiteral("a.nerka"), sample);
    const QString b = save(QStringLiteral("b.nerka"), renamed);

    const auto same = run({QStringLiteral("diff"), a, a, QStringLiteral("--json")});
    EXPECT_EQ(same.exitCode, 0) << same.err.toStdString();
    EXPECT_EQ(
        QJsonDocument::fromJson(same.out.toUtf8()).object(),
        (QJsonObject{{QStringLiteral("same"), true}, {QStringLiteral("changes"), QJsonArray{}}}));
    EXPECT_EQ(run({QStringLiteral("diff"), a, a}).out, QString());

    const auto text = run({QStringLiteral("diff"), a, b});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(
        text.out,
        QStringLiteral("Channel %1 %2: renamed to Elsewhere\n").arg(first.number).arg(first.name));
    const auto json = run({QStringLiteral("diff"), a, b, QStringLiteral("--json")});
    EXPECT_EQ(json.exitCode, 1);
    const QJsonObject expected{
        {QStringLiteral("kind"), QStringLiteral("channel")},
        {QStringLiteral("key"), first.number},
        {QStringLiteral("change"), QStringLiteral("changed")},
        {QStringLiteral("fields"),
         QJsonObject{
             {QStringLiteral("name"), QJsonArray{first.name, QStringLiteral("Elsewhere")}}}}};
    EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).object(),
              (QJsonObject{{QStringLiteral("same"), false},
                           {QStringLiteral("changes"), QJsonArray{expected}}}));

    const QString gd77 = save(QStringLiteral("gd77.nerka"), sampleCodeplug(RadioVariant::gd77));
    const auto families = run({QStringLiteral("diff"), a, gd77});
    EXPECT_EQ(families.exitCode, 2);
    EXPECT_TRUE(families.err.contains(QStringLiteral("different radio families")));
    EXPECT_EQ(run({QStringLiteral("diff"), a, home.filePath(QStringLiteral("missing"))}).exitCode,
              2);
}

TEST_F(SafetyCli, DiffPrintsTheLinesTheWindowGroupsByKind) {
    // The channels in reverse order: every channel only changed its number.
    const CodeplugImage sample = sampleCodeplug(RadioVariant::gd77);
    CodeplugImage reversed = sample;
    QList<int> order;
    QHash<int, int> oldToNew;
    const QList<RadioChannel> channels = decodeChannels(sample);
    for (qsizetype i = channels.size() - 1; i >= 0; --i) {
        oldToNew.insert(channels[i].number - 1, int(order.size()));
        order.append(channels[i].number - 1);
    }
    ASSERT_FALSE(compactChannels(order, oldToNew, reversed).empty());
    const auto diff = diffCodeplugs(sample, reversed);
    ASSERT_TRUE(std::holds_alternative<CodeplugDiff>(diff));
    QString shown;
    for (const ChangeGroup& group : changeGroups(std::get<CodeplugDiff>(diff)))
        for (const QString& line : group.lines)
            shown += line + u'\n';

    const auto text = run({QStringLiteral("diff"), save(QStringLiteral("a.nerka"), sample),
                           save(QStringLiteral("b.nerka"), reversed)});
    EXPECT_EQ(text.exitCode, 1) << text.err.toStdString();
    EXPECT_EQ(text.out, shown);
    EXPECT_EQ(text.out, QStringLiteral("%1 channels renumbered\n").arg(channels.size() - 1));
}

TEST_F(SafetyCli, WriteBacksUpPrintsTheChangesAndVerifies) {
    auto radio = startRadio();
    CodeplugImage image = sampleCodeplug(RadioVariant::gd77);
    const RadioChannel first = decodeChannels(image).first();
    ChannelEdit edit = channelEditFrom(first);
    edit.name = QStringLiteral("Written");
    (void)applyChannelEdit(edit, first.number, image);
    const QString file = save(QStringLiteral("mine.nerka"), image);

    const auto write =
        run({QStringLiteral("write"), QStringLiteral("--port"), radio->devicePath(), file});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    const QStringList out = write.outLines();
    const qsizetype summary = out.indexOf(QStringLiteral("Changes against the radio's codeplug:"));
    ASSERT_GE(summary, 0) << write.out.toStdString();
    EXPECT_EQ(
        out.value(summary + 1),
        QStringLiteral("  Channel %1 %2: renamed to Written").arg(first.number).arg(first.name));
    EXPECT_TRUE(write.out.contains(QStringLiteral("\u2022 Backup saved: codeplug-")));
    EXPECT_TRUE(
        write.out.endsWith(QStringLiteral("\u2022 Verified: 4 region(s) match the radio.\n")))
        << write.out.toStdString();
    // The steps, one line each on standard error, beside the log.
    QStringList steps = write.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(steps.size(), 8) << write.err.toStdString();
    EXPECT_TRUE(steps[1].startsWith(QStringLiteral("Backup: Done — codeplug-")))
        << steps[1].toStdString();
    steps[1] = QStringLiteral("Backup: Done");
    EXPECT_TRUE(steps[3].startsWith(QStringLiteral("Write: Done — "))) << steps[3].toStdString();
    steps[3] = QStringLiteral("Write: Done");
    EXPECT_EQ(steps, (QStringList{QStringLiteral("Backup: Running"), QStringLiteral("Backup: Done"),
                                  QStringLiteral("Write: Running"), QStringLiteral("Write: Done"),
                                  QStringLiteral("Reboot: Running"), QStringLiteral("Reboot: Done"),
                                  QStringLiteral("Verify: Running"),
                                  QStringLiteral("Verify: Done — Verified")}));

    const auto listed =
        run({QStringLiteral("backups"), QStringLiteral("--radio"), QStringLiteral("0x4A7C21E0")});
    EXPECT_EQ(listed.exitCode, 0);
    ASSERT_EQ(listed.outLines().size(), 1) << listed.out.toStdString();
    const QStringList columns = listed.outLines().first().split(QLatin1Char('\t'));
    ASSERT_EQ(columns.size(), 3);
    EXPECT_EQ(columns[1], QStringLiteral("Radioddity GD-77 0x4A7C21E0"));
    QFile backup(columns[0]);
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), encodeCodeplugFile(sampleCodeplug(RadioVariant::gd77)));
    EXPECT_TRUE(run({QStringLiteral("backups"), QStringLiteral("--radio"), QStringLiteral("1")})
                    .out.isEmpty());
    EXPECT_EQ(
        run({QStringLiteral("backups"), QStringLiteral("--radio"), QStringLiteral("xyz")}).exitCode,
        2);
}

TEST_F(SafetyCli, WriteExitsOneWhenTheRadioKeptOtherBytes) {
    auto radio = startRadio();
    radio->injectFault(SimFault::corruptWrite, 100);
    const QString file = save(QStringLiteral("mine.nerka"), sampleCodeplug(RadioVariant::gd77));
    const auto write =
        run({QStringLiteral("write"), QStringLiteral("--port"), radio->devicePath(), file,
             QStringLiteral("--no-backup"), QStringLiteral("--regions"), QStringLiteral("2")});
    EXPECT_EQ(write.exitCode, 1);
    // The failed step names the failure, and the error follows as its own line.
    const QString failure = QStringLiteral(
        "Verification failed: region 2 on the radio differs from what was written, first at flash "
        "address 0x");
    EXPECT_TRUE(write.err.contains(QStringLiteral("\nVerify: Failed — ") + failure))
        << write.err.toStdString();
    EXPECT_TRUE(write.err.contains(QStringLiteral("\n") + failure)) << write.err.toStdString();
    EXPECT_TRUE(write.err.contains(QStringLiteral("No backup was taken before the write.")));
}

TEST_F(SafetyCli, NoBackupAndNoVerifySendExactlyTheWrite) {
    auto radio = startRadio();
    const QString file = save(QStringLiteral("mine.nerka"), sampleCodeplug(RadioVariant::gd77));
    const auto write = run({QStringLiteral("write"), QStringLiteral("--port"), radio->devicePath(),
                            file, QStringLiteral("--no-backup"), QStringLiteral("--no-verify")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    for (const QByteArray& request : radio->requests()) {
        EXPECT_NE(request.left(2), QByteArray("R\x01")) << "no flash read";
        EXPECT_NE(request.left(2), QByteArray("R\x02")) << "no EEPROM read";
    }
    EXPECT_FALSE(write.out.contains(QStringLiteral("Backup saved")));
    EXPECT_FALSE(write.out.contains(QStringLiteral("Verified")));
    EXPECT_TRUE(write.out.endsWith(
        QStringLiteral("\u2022 Changes written. Device is rebooting — disconnected.\n")));
}

TEST_F(SafetyCli, WriteSendsOnlyChangedBlocksUnlessToldAndNothingWhenTheRadioHoldsTheFile) {
    auto radio = startRadio();
    CodeplugImage renamed = sampleCodeplug(RadioVariant::gd77);
    const RadioChannel first = decodeChannels(renamed).first();
    ChannelEdit edit = channelEditFrom(first);
    edit.name = QStringLiteral("Elsewhere");
    (void)applyChannelEdit(edit, first.number, renamed);
    const QString file = save(QStringLiteral("renamed.nerka"), renamed);
    // Data writes since the last call; −1 when no reboot request came.
    const auto dataWrites = [&] {
        int n = 0;
        bool rebooted = false;
        for (const QByteArray& request : radio->requests()) {
            n += request.startsWith("W\x04") || request.startsWith("W\x02") ? 1 : 0;
            rebooted = rebooted || request.startsWith(QByteArray("C\x06\x01", 3));
        }
        radio->clearRequests();
        return rebooted ? n : -1;
    };
    struct Step {
        QStringList extra;
        int minWrites, maxWrites, reboots;
        bool nothing;
    };
    // minWrites −1: nothing written and no reboot requested.
    for (const Step& step : {Step{{}, 1, 2, 1, false}, Step{{}, -1, -1, 1, true},
                             Step{{QStringLiteral("--whole-regions")}, 700, 100000, 2, false}}) {
        const auto write =
            run(QStringList{QStringLiteral("write"), QStringLiteral("--port"), radio->devicePath(),
                            file, QStringLiteral("--no-verify")} +
                step.extra);
        EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
        const int writes = dataWrites();
        EXPECT_GE(writes, step.minWrites);
        EXPECT_LE(writes, step.maxWrites);
        ASSERT_TRUE(radio->waitForGeneration(step.reboots + 1, 10000));
        EXPECT_EQ(radio->rebootCount(), step.reboots);
        EXPECT_EQ(write.out.contains(QStringLiteral(
                      "\u2022 Nothing to write: the radio already holds this codeplug.\n")),
                  step.nothing)
            << write.out.toStdString();
    }
}

} // namespace
