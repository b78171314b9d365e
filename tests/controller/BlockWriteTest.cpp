#include "StandInRadio.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace nerka;
using nerka::test::ControllerOnStandIn;
using nerka::test::StandInRadio;

namespace {

bool readsABlock(const QByteArray& r) {
    return r.size() == 8 && r[0] == 'R' && (r[1] == 0x01 || r[1] == 0x02);
}
bool writesData(const QByteArray& r) {
    return r.size() >= 2 && (r[0] == 'W' || r[0] == 'X');
}
bool rebootsTheRadio(const QByteArray& r) {
    return r.size() == 23 && r[0] == 'C' && r[1] == 0x06 && r[2] == 0x01;
}
qsizetype firstIndexWhere(const QList<QByteArray>& requests, bool (*test)(const QByteArray&)) {
    for (qsizetype i = 0; i < requests.size(); ++i)
        if (test(requests[i]))
            return i;
    return -1;
}
qsizetype countWhere(const QList<QByteArray>& requests, bool (*test)(const QByteArray&),
                     qsizetype from, qsizetype to) {
    qsizetype n = 0;
    for (qsizetype i = std::max<qsizetype>(from, 0); i < to && i < requests.size(); ++i)
        n += test(requests[i]) ? 1 : 0;
    return n;
}

// The sample with channel `number` in use (the sample has channels 1 to 31).
CodeplugImage sampleWithChannel(RadioVariant family, int number) {
    CodeplugImage image = sampleCodeplug(family);
    if (number > 31)
        (void)createBlankChannel(number - 1, image);
    return image;
}

// `image` with channel `number` renamed.
CodeplugImage withChannelRenamed(CodeplugImage image, int number, const QString& name) {
    for (const RadioChannel& channel : decodeChannels(image)) {
        if (channel.number != number)
            continue;
        ChannelEdit edit = channelEditFrom(channel);
        edit.name = name;
        (void)applyChannelEdit(edit, number, image);
    }
    return image;
}

// The first block where two images differ: bank and address.
std::pair<Bank, std::uint32_t> firstChangedBlock(const CodeplugImage& a, const CodeplugImage& b) {
    for (qsizetype r = 0; r < a.regions.size(); ++r) {
        for (qsizetype i = 0; i < a.blobs[r].size(); ++i) {
            if (a.blobs[r][i] != b.blobs[r][i])
                return {a.regions[r].bank, a.regions[r].address + std::uint32_t(i / 32 * 32)};
        }
    }
    ADD_FAILURE() << "the images do not differ";
    return {Bank::eeprom, 0};
}

class BlockWrite : public ::testing::Test {
protected:
    // A controller connected to `radio` that has read its codeplug.
    std::unique_ptr<ControllerOnStandIn> readFrom(StandInRadio& radio) {
        auto c = std::make_unique<ControllerOnStandIn>(0.1);
        c->settings->setValue(QString::fromLatin1(Preferences::kAutoConnectKey), false);
        EXPECT_TRUE(c->connectTo(radio));
        (*c)->readCodeplug();
        c->finish();
        return c;
    }
    static void rename(ControllerOnStandIn& c, int number, const QString& name) {
        const std::optional<RadioChannel> channel = c->document().channel(number);
        ASSERT_TRUE(channel.has_value()) << "no channel " << number;
        ChannelEdit edit = channelEditFrom(*channel);
        edit.name = name;
        ASSERT_TRUE(c->document().updateChannel(channel->number, edit).isDone());
    }
    static void write(ControllerOnStandIn& c) {
        c->writeChanges();
        c.finish();
        ASSERT_TRUE(c.waitFor([&] { return !c->verificationPending(); }));
        c.finish();
    }
    void openFile(ControllerOnStandIn& c, const CodeplugImage& image) {
        const QString path = dir.filePath(QStringLiteral("codeplug-%1.nerka").arg(++files));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(encodeCodeplugFile(image));
        file.close();
        c->openCodeplugFile(path);
        c.drain();
    }

    QTemporaryDir dir;
    int files = 0;
};

} // namespace

TEST_F(BlockWrite, OneChannelSendsOnlyItsBlocksAndVerifiesThem) {
    struct Case {
        RadioType type;
        int channel;
        int maxWithVerify; // write and verification requests together (160: in flash)
    };
    for (const Case& k : {Case{RadioType::gd77, 12, 40}, Case{RadioType::gd77, 130, 160},
                          Case{RadioType::mduv380, 12, 160}, Case{RadioType::mduv380, 130, 160}}) {
        SCOPED_TRACE(QStringLiteral("%1 channel %2").arg(int(k.type)).arg(k.channel).toStdString());
        StandInRadio radio(k.type, false);
        ASSERT_TRUE(radio.sim.loadCodeplug(sampleWithChannel(radio.sim.variant(), k.channel)).ok());
        auto c = readFrom(radio);
        ASSERT_NO_FATAL_FAILURE(rename(*c, k.channel, QStringLiteral("Renamed")));
        radio.sim.clearRequests();

        write(*c);
        ASSERT_TRUE(c->results.reports.isEmpty()) << c->results.reports.join(u'\n').toStdString();
        const QList<QByteArray> requests = radio.sim.requests();
        const qsizetype reboot = firstIndexWhere(requests, rebootsTheRadio);
        ASSERT_GT(reboot, 0);
        EXPECT_EQ(countWhere(requests, readsABlock, 0, reboot), 0) << "the read is the backup";
        EXPECT_LE(reboot, 13) << "write requests";
        // After the reboot: the identification, then the read-back.
        const qsizetype verify = requests.size() - reboot - 2;
        EXPECT_GT(countWhere(requests, readsABlock, reboot, requests.size()), 0);
        EXPECT_LE(reboot + verify, k.maxWithVerify);
        EXPECT_TRUE(radio.memoryAs(*(*c)->document().image()) == *(*c)->document().image());
        EXPECT_TRUE((*c)->document().dirtyRegions().empty());
    }
}

TEST_F(BlockWrite, VerifiedWriteKeepsTheBaselineSoTheNextWriteReadsNothingFirst) {
    StandInRadio radio;
    auto c = readFrom(radio);
    ASSERT_NO_FATAL_FAILURE(rename(*c, 12, QStringLiteral("First")));
    write(*c);
    ASSERT_EQ(c->results.last(DeviceOperation::verifyWrite),
              OperationResult::success(DeviceOperation::verifyWrite));
    ASSERT_NO_FATAL_FAILURE(rename(*c, 12, QStringLiteral("Second")));
    radio.sim.clearRequests();

    write(*c);
    const QList<QByteArray> requests = radio.sim.requests();
    EXPECT_EQ(countWhere(requests, readsABlock, 0, firstIndexWhere(requests, writesData)), 0);
    EXPECT_EQ((*c)->backups().list().size(), 2) << "the backup comes from the kept baseline";
    EXPECT_TRUE(radio.memoryAs(*(*c)->document().image()) == *(*c)->document().image());
}

TEST_F(BlockWrite, SectorBufferThatWasNotLoadedIsCaughtByTheVerification) {
    StandInRadio radio(RadioType::gd77, false);
    ASSERT_TRUE(radio.sim.loadCodeplug(sampleWithChannel(RadioVariant::gd77, 130)).ok());
    auto c = readFrom(radio);
    ASSERT_NO_FATAL_FAILURE(rename(*c, 130, QStringLiteral("Renamed")));
    const RegionSet dirty = (*c)->document().dirtyRegions();
    radio.sim.injectFault(SimFault::unloadedSectorBuffer);

    write(*c);
    const auto mismatch = c->results.last(DeviceOperation::verifyWrite);
    ASSERT_TRUE(mismatch.has_value());
    EXPECT_EQ(mismatch->error, OperationErrorKind::mismatch);
    EXPECT_TRUE(mismatch->text.startsWith(QStringLiteral("Verification failed: region ")))
        << mismatch->text.toStdString();
    for (int index : dirty)
        EXPECT_TRUE((*c)->document().dirtyRegions().count(index)) << "the next write retries it";

    // The retry reads afresh and puts the whole sector right.
    write(*c);
    EXPECT_EQ(c->results.last(DeviceOperation::verifyWrite),
              OperationResult::success(DeviceOperation::verifyWrite));
    EXPECT_TRUE(radio.memoryAs(*(*c)->document().image()) == *(*c)->document().image());
}

TEST_F(BlockWrite, BaselineFromAnEarlierConnectionIsCheckedBeforeItIsTrusted) {
    for (const bool changedBehindOurBack : {false, true}) {
        SCOPED_TRACE(changedBehindOurBack ? "changed" : "unchanged");
        StandInRadio radio;
        auto c = readFrom(radio);
        (*c)->disconnectRadio();
        c->finish();
        const CodeplugImage wanted =
            withChannelRenamed(sampleCodeplug(RadioVariant::gd77), 12, QStringLiteral("Renamed"));
        if (changedBehindOurBack) {
            // Another program rewrote the block the write is about to touch.
            const auto [bank, address] =
                firstChangedBlock(sampleCodeplug(RadioVariant::gd77), wanted);
            ASSERT_TRUE(radio.sim.setMemory(bank, address, QByteArray(32, 'z')));
        }
        ASSERT_TRUE(c->connectTo(radio));
        (*c)->setBackupBeforeWrite(false);
        openFile(*c, wanted); // no baseline in the document: every region is dirty
        radio.sim.clearRequests();

        write(*c);
        ASSERT_TRUE(c->results.reports.isEmpty()) << c->results.reports.join(u'\n').toStdString();
        const QList<QByteArray> requests = radio.sim.requests();
        const qsizetype reads =
            countWhere(requests, readsABlock, 0, firstIndexWhere(requests, writesData));
        qsizetype wholeCodeplugBlocks = 0;
        for (const CodeplugRegion& region : layoutForVariant(RadioVariant::gd77).regions)
            wholeCodeplugBlocks += (region.length + 31) / 32;
        if (changedBehindOurBack)
            EXPECT_GT(reads, wholeCodeplugBlocks) << "the touched blocks, then a full read";
        else
            EXPECT_LT(reads, 8) << "only the touched blocks";
        EXPECT_LE(countWhere(requests, writesData, 0, requests.size()), 2);
        EXPECT_TRUE(radio.memoryAs(wanted) == wanted);
    }
}

TEST_F(BlockWrite, WholeRegionsWhenAskedSendWhatAWriteWithoutBaselineSends) {
    const CodeplugImage wanted =
        withChannelRenamed(sampleCodeplug(RadioVariant::gd77), 12, QStringLiteral("Renamed"));
    QList<QList<QByteArray>> streams;
    for (const bool withBaseline : {false, true}) {
        StandInRadio radio;
        std::unique_ptr<ControllerOnStandIn> c;
        if (withBaseline) {
            c = readFrom(radio);
            (*c)->preferences().setWriteWholeRegions(true);
        } else {
            c = std::make_unique<ControllerOnStandIn>(0.1);
            ASSERT_TRUE(c->connectTo(radio));
            (*c)->setBackupBeforeWrite(false);
        }
        openFile(*c, wanted);
        (*c)->writeOnlyRegions({0, 1, 2, 3});
        radio.sim.clearRequests();
        write(*c);
        ASSERT_TRUE(c->results.reports.isEmpty()) << c->results.reports.join(u'\n').toStdString();
        const QList<QByteArray> requests = radio.sim.requests();
        streams.append(requests.mid(0, firstIndexWhere(requests, rebootsTheRadio) + 1));
        EXPECT_TRUE(radio.memoryAs(wanted) == wanted);
    }
    EXPECT_GT(streams[0].size(), 1000);
    EXPECT_TRUE(streams[0] == streams[1]);
}

TEST_F(BlockWrite, NothingToWriteSendsNothingAndDoesNotReboot) {
    for (const bool undone : {true, false}) {
        SCOPED_TRACE(undone ? "edit undone" : "file the radio holds");
        StandInRadio radio;
        std::unique_ptr<ControllerOnStandIn> c;
        if (undone) {
            c = readFrom(radio);
            ASSERT_NO_FATAL_FAILURE(rename(*c, 12, QStringLiteral("Renamed")));
            ASSERT_TRUE((*c)->document().undo().isDone());
        } else {
            c = std::make_unique<ControllerOnStandIn>(0.1);
            ASSERT_TRUE(c->connectTo(radio));
            openFile(*c, sampleCodeplug(RadioVariant::gd77));
            ASSERT_FALSE((*c)->document().dirtyRegions().empty());
        }
        radio.sim.clearRequests();
        QSignalSpy finished(c->controller.get(), &RadioController::finished);

        write(*c);
        ASSERT_EQ(finished.size(), 1);
        EXPECT_TRUE(finished[0][0].value<OperationResult>().ok());
        EXPECT_EQ(countWhere(radio.sim.requests(), writesData, 0, radio.sim.requestCount()), 0);
        EXPECT_EQ(firstIndexWhere(radio.sim.requests(), rebootsTheRadio), -1);
        EXPECT_EQ((*c)->status(), RadioController::Status::connected());
        EXPECT_TRUE((*c)->document().dirtyRegions().empty());
    }
}
