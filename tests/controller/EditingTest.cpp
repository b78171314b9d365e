#include "ResultRecorder.h"
#include "controller/RadioController.h"

#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelPresets.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugLayout.h"

#include "Bytes.h"
#include "TempSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

using namespace nerka;
using nerka::test::bytes;
using nerka::test::hex;
using nerka::test::TempSettings;

namespace {

// The GD-77 memory map, written out by hand rather than taken from the layout.
constexpr std::uint32_t kBank0 = 0x3780;     // eeprom, region 0
constexpr std::uint32_t kBank1 = 0x7B1B0;    // flash, region 3; banks 2-7 follow
constexpr std::uint32_t kZones = 0x8010;     // eeprom, region 1
constexpr std::uint32_t kContacts = 0x87620; // flash, region 3
constexpr std::uint32_t kGroupLists = 0x8D620;
constexpr std::uint32_t kCustomData = 0x0000; // flash, region 2

// Exposes the assignments a transfer makes, so tests can stand in for one.
class TestController : public RadioController {
public:
    using RadioController::assignStatus;
    using RadioController::RadioController;
    using RadioController::resetAfterDisconnect;
};

// Delivers the error reports, which are posted to the main thread.
void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

QByteArray name16(const char* text) {
    QByteArray out(text);
    out.append(QByteArray(16 - out.size(), char(0xFF)));
    return out;
}

class EditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        image.variant = RadioVariant::gd77;
        image.regions = layoutForVariant(RadioVariant::gd77).regions;
        for (const auto& region : image.regions)
            image.blobs.append(QByteArray(region.length, '\0'));
    }

    // Channel at 1-based `number` through the codecs: a blank record renamed.
    void addChannel(int number, const char* name = nullptr) {
        ASSERT_FALSE(createBlankChannel(number - 1, image).empty());
        ChannelEdit edit;
        edit.name = name ? QString::fromLatin1(name) : QStringLiteral("Ch %1").arg(number);
        edit.rxHz = edit.txHz = 145'000'000 + std::uint64_t(number) * 12'500;
        ASSERT_FALSE(applyChannelEdit(edit, number, image).empty());
    }
    void put(Bank bank, std::uint32_t address, const QByteArray& data) {
        ASSERT_TRUE(writeBytes(image, bank, address, data));
    }
    QByteArray at(Bank bank, std::uint32_t address, int count) const {
        return *readBytes(*controller.document().image(), bank, address, count);
    }
    static std::uint32_t channelRecord(int number) {
        const int p = number - 1;
        const std::uint32_t bank = p < 128 ? kBank0 : kBank1 + std::uint32_t(p / 128 - 1) * 7184;
        return bank + 16 + 56 * std::uint32_t(p % 128);
    }
    static Bank channelBank(int number) { return number <= 128 ? Bank::eeprom : Bank::flash; }
    // A zone with members written as 16-bit channel numbers, and its bitmap bit.
    void putZone(int index, const char* name, std::initializer_list<unsigned> numbers) {
        QByteArray record = name16(name);
        for (unsigned n : numbers)
            record.append(bytes({n & 0xFF, n >> 8}));
        record.append(QByteArray(176 - record.size(), '\0'));
        put(Bank::eeprom, kZones + 32 + 176 * std::uint32_t(index), record);
        QByteArray bit = *readBytes(image, Bank::eeprom, kZones + std::uint32_t(index / 8), 1);
        bit[0] = char(bit[0] | (1 << (index % 8)));
        put(Bank::eeprom, kZones + std::uint32_t(index / 8), bit);
    }
    void putContact(int slot, const char* name, unsigned id) {
        put(Bank::flash, kContacts + 24 * std::uint32_t(slot),
            name16(name) + bytes({0, 0, 0, id, 0, 0, 0, 0x01}));
    }
    // A group list with the given contact slots and its count byte.
    void putGroupList(int index, const char* name, std::initializer_list<unsigned> slots) {
        QByteArray record = name16(name);
        record[15] = char(0xFF);
        for (unsigned s : slots)
            record.append(bytes({(s + 1) & 0xFF, (s + 1) >> 8}));
        record.append(QByteArray(80 - record.size(), '\0'));
        put(Bank::flash, kGroupLists + 128 + 80 * std::uint32_t(index), record);
        put(Bank::flash, kGroupLists + std::uint32_t(index), bytes({unsigned(slots.size()) + 1}));
    }
    // A custom-data area holding a day theme whose colours are 0x0001 … 0x0020.
    void putDayTheme() {
        QByteArray area = QByteArray("OpenGD77") + bytes({0, 0, 0, 0, 4, 0, 0, 0, 64, 0, 0, 0});
        for (unsigned i = 1; i <= 32; ++i)
            area.append(bytes({0x00, i}));
        area.append(QByteArray(8, char(0xFF)));
        put(Bank::flash, kCustomData, area);
    }
    // As a read does: the radio holds the image.
    void load() {
        controller.document().load(image, decodeImage(image));
        controller.document().setBaseline(image);
    }
    QList<int> numbers() const {
        QList<int> out;
        for (const RadioChannel& c : controller.document().channels())
            out.append(c.number);
        return out;
    }
    const RadioChannel& channel(int number) const {
        for (const RadioChannel& c : controller.document().channels())
            if (c.number == number)
                return c;
        ADD_FAILURE() << "no channel " << number;
        return controller.document().channels().first();
    }
    // What the edits from the `from`th on said: a made edit's summary, a
    // refused one's error.
    QStringList editTexts(qsizetype from = 0) const {
        QStringList out;
        for (const EditResult& result : results.edits.mid(from))
            out.append(result.isRefused() ? result.errorText() : result.summary());
        return out;
    }
    QString lastEditText() const { return editTexts(results.edits.size() - 1).value(0); }

    TempSettings settings;
    TestController controller{settings.get()};
    test::ResultRecorder results{controller};
    CodeplugImage image;
};

} // namespace

TEST_F(EditingTest, FreeSlotSearchFillsGapsFirst) {
    for (int n : {1, 2, 5})
        addChannel(n);
    load();

    EXPECT_EQ(controller.document().createChannel().createdKey(), 3);
    EXPECT_EQ(lastEditText(), QStringLiteral("Channel 3 created."));
    EXPECT_EQ(channel(3).name, QStringLiteral("New"));
    EXPECT_EQ(controller.document().dirtyRegions(), RegionSet{0});

    controller.document().undo();
    controller.document().importChannels(pmr446Preset().mid(0, 3));
    EXPECT_EQ(numbers(), (QList<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(channel(3).name, QStringLiteral("PMR 01"));
    EXPECT_EQ(channel(4).name, QStringLiteral("PMR 02"));
    EXPECT_EQ(channel(6).name, QStringLiteral("PMR 03"));
    EXPECT_EQ(channel(6).rxHz, 446'031'250u);
    EXPECT_EQ(lastEditText(), QStringLiteral("3 channels imported."));
}

// An import that does not fit whole changes nothing and says how many rows
// there are and how many slots are free.
TEST_F(EditingTest, ImportIsRefusedWholeWhenTheMemoryCannotHoldIt) {
    for (int n = 1; n <= 1024; ++n)
        if (n != 700)
            addChannel(n);
    load();

    controller.document().importChannels(pmr446Preset().mid(0, 5));
    settle();
    EXPECT_EQ(controller.document().channels().size(), 1023);
    EXPECT_FALSE(controller.document().canUndo());
    controller.document().importChannels(pmr446Preset().mid(0, 1));
    settle();
    EXPECT_EQ(channel(700).name, QStringLiteral("PMR 01"));
    EXPECT_EQ(
        editTexts(),
        (QStringList{QStringLiteral("Channel memory is full (max 1024): 5 to import, 1 free."),
                     QStringLiteral("1 channels imported.")}));

    const qsizetype full = results.edits.size();
    controller.document().importChannels(pmr446Preset());
    EXPECT_EQ(controller.document().createChannel().createdKey(), std::nullopt);
    EXPECT_EQ(controller.document().pasteChannel(QByteArray(56, 'x')).createdKey(), std::nullopt);
    settle();
    EXPECT_EQ(
        editTexts(full),
        (QStringList{QStringLiteral("Channel memory is full (max 1024): 16 to import, 0 free."),
                     QStringLiteral("Channel memory is full (max 1024)."),
                     QStringLiteral("Channel memory is full (max 1024).")}));
    for (const EditResult& refused : results.edits.mid(full))
        EXPECT_EQ(refused.refusal()->kind, RefusalKind::full);
}

TEST_F(EditingTest, ReorderChannelsRenumbersZoneMembersAndFreesOldSlots) {
    addChannel(1, "One");
    addChannel(2, "Two");
    addChannel(5, "Five");
    putZone(0, "Mix", {5, 1, 3}); // 3 names an empty slot
    load();

    controller.document().reorderChannels({5, 1, 2});
    EXPECT_EQ(lastEditText(), QStringLiteral("Channels reordered."));
    EXPECT_EQ(numbers(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(channel(1).name, QStringLiteral("Five"));
    EXPECT_EQ(channel(3).name, QStringLiteral("Two"));
    EXPECT_EQ(hex(at(Bank::eeprom, kBank0, 2)), hex(bytes({0x07, 0x00})))
        << "old slot 4 (number 5) is no longer in use";
    EXPECT_EQ(hex(at(Bank::eeprom, kZones + 32 + 16, 8)),
              hex(bytes({0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x00, 0x00})));
    EXPECT_EQ(controller.document().zones().first().channelNames,
              (QStringList{QStringLiteral("Five"), QStringLiteral("One"), QStringLiteral("Two")}));
}

TEST_F(EditingTest, ClipboardPasteAndDuplicateCopyTheRecordWithItsName) {
    addChannel(1, "Alpha");
    addChannel(2, "Bravo");
    load();
    const QByteArray original = at(Bank::eeprom, channelRecord(2), 56);

    EXPECT_EQ(controller.document().pasteChannelClipboard().createdKey(), std::nullopt)
        << "nothing copied yet";
    controller.document().copyChannel(channel(2).number);
    EXPECT_TRUE(controller.document().hasChannelClipboard());
    EXPECT_EQ(lastEditText(), QStringLiteral("Channel 2 copied."));

    // The clipboard outlives the image it came from.
    image.blobs[0][int(kBank0 - 0x80)] = char(0x01); // only channel 1 in use
    load();
    EXPECT_EQ(controller.document().pasteChannelClipboard().createdKey(), 2);
    EXPECT_EQ(lastEditText(), QStringLiteral("Channel pasted \u2192 2."));
    EXPECT_EQ(hex(at(Bank::eeprom, channelRecord(2), 56)), hex(original));
    EXPECT_EQ(channel(2).name, QStringLiteral("Bravo"));

    EXPECT_EQ(controller.document().duplicateChannel(channel(1).number).createdKey(), 3);
    EXPECT_EQ(lastEditText(), QStringLiteral("Channel 1 duplicated \u2192 3."));
    EXPECT_EQ(channel(3).name, QStringLiteral("Alpha"));
}

// Channels 1-3 (channel 1 names contact slot 1 and list 0, channel 2 names
// contact slot 2), contacts 0-2, list 0 = {1, 2}, zone 0 = {1, 3}. Every
// delete, move and reorder leaves every reference on the record it named, or
// cleared; each is one undo step that brings every byte back.
TEST_F(EditingTest, DeletesClearReferencesAndMovesKeepThem) {
    addChannel(1);
    addChannel(2);
    addChannel(3);
    putContact(0, "TG 91", 0x91);
    putContact(1, "TG 262", 0x62);
    putContact(2, "TG 2621", 0x21);
    put(Bank::eeprom, channelRecord(1) + 46, bytes({0x02, 0x00}));
    put(Bank::eeprom, channelRecord(1) + 43, bytes({0x01}));
    put(Bank::eeprom, channelRecord(2) + 46, bytes({0x03, 0x00}));
    putGroupList(0, "All", {1, 2});
    putZone(0, "Zone", {1, 3});
    const auto contactOf = [&](int number) { return channel(number).contactIndex; };
    const auto groupOf = [&](int number) { return channel(number).groupListIndex; };
    struct Case {
        const char* what;
        std::function<EditResult()> run;
        QString line;
        std::function<void()> check;
    };
    const QList<Case> cases = {
        {"delete contact",
         [&] {
             return controller.document().deleteContact(controller.document().contacts()[1].slot);
         },
         QStringLiteral("Contact 2 deleted; cleared from 1 channel(s) and 1 talkgroup(s)."),
         [&] {
             EXPECT_EQ(contactOf(1), std::nullopt);
             EXPECT_EQ(contactOf(2), 2);
             EXPECT_EQ(controller.document().talkgroups()[0].memberSlots, QList<int>{2});
         }},
        {"delete talkgroup",
         [&] {
             return controller.document().deleteTalkgroup(
                 controller.document().talkgroups()[0].index);
         },
         QStringLiteral("Talkgroup 1 deleted; cleared from 1 channel(s)."),
         [&] { EXPECT_EQ(groupOf(1), std::nullopt); }},
        {"delete channel",
         [&] { return controller.document().deleteChannels({channel(1).number}); },
         QStringLiteral("Channel 1 deleted; removed from 1 zone(s)."),
         [&] { EXPECT_EQ(controller.document().zones()[0].memberIndices, QList<int>{2}); }},
        {"delete channels",
         [&] {
             return controller.document().deleteChannels(
                 recordKeys(controller.document().channels()));
         },
         QStringLiteral("3 channels deleted; removed from 1 zone(s)."),
         [&] { EXPECT_TRUE(controller.document().zones()[0].memberIndices.isEmpty()); }},
        {"delete zone",
         [&] { return controller.document().deleteZone(controller.document().zones()[0].index); },
         QStringLiteral("Zone 1 deleted."),
         [&] { EXPECT_TRUE(controller.document().zones().isEmpty()); }},
        {"reorder contacts",
         [&] {
             const auto& c = controller.document().contacts();
             return controller.document().reorderContacts({c[2].slot, c[1].slot, c[0].slot});
         },
         QStringLiteral("Contacts reordered."),
         [&] {
             EXPECT_EQ(contactOf(1), 1); // TG 262 stays at slot 1
             EXPECT_EQ(contactOf(2), 0); // TG 2621 moved to slot 0
             EXPECT_EQ(controller.document().talkgroups()[0].contactNames,
                       (QStringList{QStringLiteral("TG 262"), QStringLiteral("TG 2621")}));
         }},
        {"reorder channels",
         [&] {
             return controller.document().reorderChannels({3, 1, 2});
         },
         QStringLiteral("Channels reordered."),
         [&] {
             EXPECT_EQ(controller.document().zones()[0].channelNames,
                       (QStringList{QStringLiteral("Ch 1"), QStringLiteral("Ch 3")}));
             EXPECT_EQ(contactOf(2), 1) << "channel 1 is now number 2";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load();
        const CodeplugImage before = *controller.document().image();
        const EditResult result = c.run();
        ASSERT_TRUE(result.isDone());
        EXPECT_EQ(lastEditText(), c.line);
        c.check();
        EXPECT_EQ(controller.document().undoLabel().isEmpty(), false);
        controller.document().undo();
        EXPECT_TRUE(*controller.document().image() == before) << "one step takes it all back";
        EXPECT_FALSE(controller.document().canUndo());
        EXPECT_TRUE(controller.document().dirtyRegions().empty());
    }
}

TEST_F(EditingTest, AnEditThatChangesNoByteIsNoChange) {
    addChannel(5);
    load();
    const EditResult same =
        controller.document().updateChannel(channel(5).number, channelEditFrom(channel(5)));
    EXPECT_TRUE(same.isNothingToDo());
    EXPECT_FALSE(controller.document().canUndo());
    EXPECT_TRUE(controller.document().dirtyRegions().empty());
    EXPECT_TRUE(same.summary().isEmpty()) << "nothing to say";
}

TEST_F(EditingTest, ANewChannelFromTheEditorIsOneStepAndASingleDeleteNamesIt) {
    load();
    ChannelEdit edit;
    edit.name = QStringLiteral("Relais");
    edit.rxHz = edit.txHz = 439'000'000;
    const EditResult added = controller.document().addChannel(edit);
    ASSERT_EQ(added.createdKey(), 1);
    EXPECT_EQ(added.changes().channels.added, QList<int>{1});
    EXPECT_EQ(channel(1).name, QStringLiteral("Relais"));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("New channel 1"));
    controller.document().undo();
    EXPECT_TRUE(controller.document().channels().isEmpty()) << "no blank channel is left behind";
    EXPECT_EQ(lastEditText(), QStringLiteral("Undo: New channel 1."));
    controller.document().redo();
    EXPECT_EQ(lastEditText(), QStringLiteral("Redo: New channel 1."));

    const EditResult deleted = controller.document().deleteChannels({channel(1).number});
    EXPECT_EQ(deleted.changes().channels.removed, QList<int>{1});
    EXPECT_EQ(lastEditText(), QStringLiteral("Channel 1 deleted."));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Delete channel 1"));
}

// What the radio holds decides what is written.
TEST_F(EditingTest, DirtyRegionsAreWhereTheDocumentDiffersFromTheRadio) {
    addChannel(1);
    CodeplugDocument& document = controller.document();
    // No radio read: every region is to be written.
    controller.document().load(image, decodeImage(image));
    EXPECT_EQ(controller.document().dirtyRegions(), (RegionSet{0, 1, 2, 3}));

    // Read, edit, write: nothing is left to write.
    document.setBaseline(image);
    EXPECT_TRUE(controller.document().dirtyRegions().empty());
    controller.document().createChannel();
    EXPECT_EQ(controller.document().dirtyRegions(), RegionSet{0});
    document.markWritten(*controller.document().image(), controller.document().dirtyRegions());
    EXPECT_TRUE(controller.document().dirtyRegions().empty());

    // A file opened over the read radio: dirty exactly where it differs.
    put(Bank::flash, kContacts, name16("Bayern") + bytes({0, 0, 0x26, 0x23, 1, 0, 0, 0}));
    const CodeplugImage file = image;
    controller.document().load(file, decodeImage(file));
    EXPECT_EQ(controller.document().dirtyRegions(), (RegionSet{0, 3}))
        << "the file lacks the radio's channel 2 and adds a contact";
    // Bytes equal to the radio's are clean again, whichever way they came.
    controller.document().createChannel();
    EXPECT_EQ(controller.document().dirtyRegions(), RegionSet{3}) << "the same blank channel 2";
    controller.document().undo();
    EXPECT_EQ(controller.document().dirtyRegions(), (RegionSet{0, 3}));
}

TEST_F(EditingTest, ReorderTalkgroupsTakesTheRestOutOfUse) {
    addChannel(1);
    addChannel(2);
    put(Bank::eeprom, channelRecord(1) + 43, bytes({0x03})); // list index 2
    put(Bank::eeprom, channelRecord(2) + 43, bytes({0x01})); // list index 0
    putContact(0, "A", 1);
    putGroupList(0, "Zero", {0});
    putGroupList(1, "One", {0});
    putGroupList(2, "Two", {0, 0});
    load();

    const auto& lists = controller.document().talkgroups();
    controller.document().reorderTalkgroups({lists[2].index, lists[0].index});
    EXPECT_EQ(lastEditText(), QStringLiteral("Talkgroups reordered."));
    EXPECT_EQ(hex(at(Bank::flash, kGroupLists, 76)),
              hex(bytes({0x03, 0x02}) + QByteArray(74, '\0')));
    EXPECT_EQ(hex(at(Bank::eeprom, channelRecord(1) + 43, 1)), hex(bytes({0x01})));
    EXPECT_EQ(hex(at(Bank::eeprom, channelRecord(2) + 43, 1)), hex(bytes({0x02})));
    ASSERT_EQ(controller.document().talkgroups().size(), 2);
    EXPECT_EQ(controller.document().talkgroups()[0].name, QStringLiteral("Two"));
}

TEST_F(EditingTest, UpdatesLogTheirChangeOrReportTheMissingRecord) {
    addChannel(1);
    load();
    ChannelEdit edit = channelEditFrom(channel(1));
    edit.name = QStringLiteral("50% %2");
    edit.rxHz = 438'612'500;
    controller.document().updateChannel(channel(1).number, edit);
    EXPECT_EQ(lastEditText(), QStringLiteral("Channel 1 changed: 50% %2 (RX 438.61250)"));

    controller.document().updateContact((*controller.document().newContact()).slot,
                                        ContactEdit{QStringLiteral("DL %3"), 2621234,
                                                    ContactType::privateCall,
                                                    TimeSlotOverride::ts2});
    EXPECT_EQ(lastEditText(), QStringLiteral("Contact 1 changed: DL %3 (ID 2621234)"));
    controller.document().updateTalkgroup((*controller.document().newTalkgroup()).index,
                                          TalkgroupEdit{QStringLiteral("Local"), {0, 0, 0}});
    EXPECT_EQ(lastEditText(), QStringLiteral("Talkgroup 1 changed: Local (3 contacts)"));
    controller.document().updateZone((*controller.document().newZone()).index,
                                     ZoneEdit{QStringLiteral("Home"), {0}});
    EXPECT_EQ(lastEditText(), QStringLiteral("Zone 1 changed: Home (1 channels)"));
    EXPECT_EQ(controller.document().newZone()->index, 1);

    const CodeplugImage before = *controller.document().image();
    const RegionSet dirtyBefore = controller.document().dirtyRegions();
    RadioChannel nowhere = channel(1);
    nowhere.number = 2000;
    controller.document().updateChannel(nowhere.number, edit);
    Zone noZone;
    noZone.index = 68;
    controller.document().updateZone(noZone.index, ZoneEdit{QStringLiteral("X"), {}});
    settle();
    EXPECT_EQ(editTexts(results.edits.size() - 2),
              (QStringList{QStringLiteral("Could not locate channel 2000 in memory."),
                           QStringLiteral("Could not locate zone 69 in memory.")}));
    EXPECT_EQ(*controller.document().image(), before);
    EXPECT_EQ(controller.document().dirtyRegions(), dirtyBefore);
}

TEST_F(EditingTest, SettingsAndThemes) {
    putDayTheme();
    load();
    ASSERT_TRUE(controller.document().theme(ThemeKind::day).has_value());
    ASSERT_FALSE(controller.document().theme(ThemeKind::night).has_value());

    controller.document().writeSettings(
        DeviceSettings{QStringLiteral("DL1ABCDEFG"), 2621234, 136, 174, 400, 480});
    EXPECT_EQ(lastEditText(),
              QStringLiteral("Device settings changed: VHF 136\u2013174, UHF 400\u2013480 MHz."));
    EXPECT_EQ(controller.document().settings()->call, QStringLiteral("DL1ABCDE"))
        << "the stored call sign";
    EXPECT_EQ(hex(at(Bank::eeprom, 0x80, 8)),
              hex(bytes({0x00, 0x04, 0x80, 0x04, 0x36, 0x01, 0x74, 0x01})));

    controller.document().setThemeColor(ThemeKind::day, 1, 1.0, 0.0, 1.0);
    EXPECT_EQ(hex(at(Bank::flash, kCustomData + 20, 6)),
              hex(bytes({0x00, 0x01, 0xF8, 0x1F, 0x00, 0x03})));
    EXPECT_EQ((*controller.document().theme(ThemeKind::day))[1], (ThemeColor{1.0, 0.0, 1.0}));

    QTemporaryDir dir;
    const QString gtm = dir.filePath(QStringLiteral("dusk.gtm"));
    QFile file(gtm);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray colours;
    for (unsigned i = 0; i < 32; ++i)
        colours.append(bytes({0xFF, i}));
    file.write(colours);
    file.close();

    controller.document().importTheme(gtm, ThemeKind::night);
    settle();
    EXPECT_EQ(results.lastEdit().errorText(), QStringLiteral("Kein Theme im Codeplug vorhanden."))
        << "checked before the file is read";
    controller.document().importTheme(gtm, ThemeKind::day);
    EXPECT_EQ(lastEditText(), QStringLiteral("Theme (Day) imported from dusk.gtm."));
    EXPECT_EQ(hex(at(Bank::flash, kCustomData + 20, 64)), hex(colours));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(colours.left(63));
    file.close();
    controller.document().importTheme(gtm, ThemeKind::day);
    settle();
    EXPECT_EQ(results.lastEdit().errorText(), QStringLiteral("Invalid .gtm file."));
}

TEST_F(EditingTest, CsvImportReportsUnreadableAndEmptyFiles) {
    load();
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& data) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return f.fileName();
    };
    controller.document().importChannelCsv(
        write("ok.csv", "\xEF\xBB\xBFName,RX,TX\nK\xC3\xBChl;145.6;145.0\n"));
    EXPECT_EQ(lastEditText(), QStringLiteral("1 channels imported."));
    EXPECT_EQ(channel(1).name, QStringLiteral("Kühl"));

    controller.document().importChannelCsv(write("latin1.csv", "K\xFChl,145.6\n"));
    controller.document().importChannelCsv(dir.filePath(QStringLiteral("missing.csv")));
    controller.document().importChannelCsv(write("none.csv", "# nothing\nName,RX\n"));
    settle();
    // Each failure names the file and the reason.
    EXPECT_EQ(editTexts(results.edits.size() - 3),
              (QStringList{QStringLiteral("The CSV file could not be read: ") +
                               dir.filePath(QStringLiteral("latin1.csv")) +
                               QStringLiteral(" is not UTF-8 text."),
                           QStringLiteral("Could not read ") +
                               dir.filePath(QStringLiteral("missing.csv")) +
                               QStringLiteral(": No such file or directory"),
                           QStringLiteral("No valid channels found in the CSV. Format: "
                                          "Name,RX,TX,Mode,\u2026")}));
    EXPECT_EQ(controller.document().channels().size(), 1);
}

TEST_F(EditingTest, ContactsThatDoNotAllFitAreNotImported) {
    load();
    const QList<ContactEdit> many(
        1025, ContactEdit{QStringLiteral("TG"), 262, ContactType::group, TimeSlotOverride::none});
    const EditResult refused = controller.document().importContacts(many);
    ASSERT_TRUE(refused.isRefused());
    EXPECT_EQ(refused.refusal()->text,
              QStringLiteral("Contact memory is full (max 1024): 1025 to import, 1024 free."));
    EXPECT_TRUE(controller.document().contacts().isEmpty());
    EXPECT_TRUE(controller.document().importContacts(many.mid(0, 3)).isDone());
    EXPECT_EQ(controller.document().contacts().size(), 3);
}

TEST_F(EditingTest, UndoAndRedoRestoreImageDirtySetAndLists) {
    addChannel(1, "Keep");
    load();
    const CodeplugImage original = *controller.document().image();
    EXPECT_FALSE(controller.document().canUndo());

    controller.document().createChannel();
    const CodeplugImage withTwo = *controller.document().image();
    controller.document().importTheme(QStringLiteral("/nonexistent.gtm"),
                                      ThemeKind::day); // fails: no push
    controller.document().deleteChannels({channel(1).number});
    EXPECT_EQ(numbers(), QList<int>{2});

    controller.document().undo();
    EXPECT_EQ(*controller.document().image(), withTwo);
    EXPECT_EQ(numbers(), (QList<int>{1, 2}));
    controller.document().undo();
    EXPECT_EQ(*controller.document().image(), original);
    EXPECT_TRUE(controller.document().dirtyRegions().empty());
    EXPECT_EQ(numbers(), QList<int>{1});
    EXPECT_FALSE(controller.document().canUndo());

    controller.document().redo();
    EXPECT_EQ(*controller.document().image(), withTwo);
    EXPECT_EQ(controller.document().dirtyRegions(), RegionSet{0});
    EXPECT_TRUE(controller.document().canRedo());
    controller.document().createChannel(); // a new edit drops what could be redone
    EXPECT_FALSE(controller.document().canRedo());

    // A disconnect keeps the codeplug and its undo history.
    controller.resetAfterDisconnect();
    EXPECT_TRUE(controller.document().canUndo());
}

TEST_F(EditingTest, UndoAfterAWriteMarksTheRegionAgain) {
    load();
    controller.document().createChannel();
    controller.document().markWritten(*controller.document().image(),
                                      controller.document().dirtyRegions()); // a write
    controller.document().undo();
    EXPECT_EQ(controller.document().dirtyRegions(), RegionSet{0})
        << "the radio still holds channel 1";
    EXPECT_TRUE(controller.document().channels().isEmpty());
    controller.document().redo();
    EXPECT_TRUE(controller.document().dirtyRegions().empty()) << "back to what the radio holds";
}

TEST_F(EditingTest, OpeningAFileClearsTheHistory) {
    load();
    controller.document().createChannel();
    ASSERT_TRUE(controller.document().canUndo());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ogd"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCodeplugFile(image));
    file.close();

    controller.openCodeplugFile(path);
    settle();
    EXPECT_TRUE(controller.document().channels().isEmpty());
    EXPECT_FALSE(controller.document().canUndo());
}

TEST_F(EditingTest, NothingChangesWhileATransferRuns) {
    addChannel(1);
    load();
    controller.document().createChannel();
    const CodeplugImage before = *controller.document().image();
    controller.assignStatus(RadioController::Status::working(QStringLiteral("Writing changes…")));

    controller.document().deleteChannels({channel(1).number});
    EXPECT_EQ(controller.document().createChannel().createdKey(), std::nullopt);
    controller.document().undo();
    settle();
    EXPECT_EQ(*controller.document().image(), before);
    EXPECT_EQ(results.lastEdit().refusal(),
              (EditRefusal{RefusalKind::busy,
                           QStringLiteral("Busy: wait for the running transfer to finish.")}));
    EXPECT_TRUE(controller.document().canUndo());

    controller.assignStatus(RadioController::Status::connected());
    controller.document().deleteChannels({channel(1).number});
    EXPECT_EQ(numbers(), QList<int>{2});
}

TEST_F(EditingTest, PastesThatDoNotAllFitChangeNothingAndAFitIsOneStepAfterTheAnchor) {
    // Without a codeplug even more rows than fit are refused before anything.
    const EditResult none =
        controller.document().insertChannels(QList<ChannelEdit>(1100), std::nullopt);
    ASSERT_TRUE(none.isRefused());
    EXPECT_EQ(none.refusal()->kind, RefusalKind::noCodeplug);
    for (int n = 1; n <= 1022; ++n)
        addChannel(n);
    putZone(0, "Home", {1, 2, 1022});
    load();
    const CodeplugImage before = *controller.document().image();
    const QList<ChannelEdit> three{ChannelEdit{}, ChannelEdit{}, ChannelEdit{}};
    const EditResult tooMany = controller.document().insertChannels(three, 1);
    ASSERT_TRUE(tooMany.isRefused());
    EXPECT_EQ(tooMany.refusal()->text,
              QStringLiteral("Channel memory is full (max 1024): 3 to paste, 2 free."));
    EXPECT_EQ(controller.document().image()->blobs, before.blobs);
    EXPECT_FALSE(controller.document().canUndo());

    // Two fit: they become 2 and 3, the rest move up and the zone follows.
    const QList<QByteArray> records{*readChannelRecord(1021, before),
                                    *readChannelRecord(0, before)};
    const EditResult pasted = controller.document().insertChannelRecords(records, 1);
    ASSERT_TRUE(pasted.isDone());
    EXPECT_EQ(pasted.createdKey(), 2);
    EXPECT_EQ(pasted.summary(), QStringLiteral("2 channels pasted → 2–3."));
    EXPECT_EQ(channel(2).name, QStringLiteral("Ch 1022"));
    EXPECT_EQ(channel(3).name, QStringLiteral("Ch 1"));
    EXPECT_EQ(channel(1024).name, QStringLiteral("Ch 1022"));
    EXPECT_EQ(controller.document().zones().first().memberIndices, (QList<int>{0, 3, 1023}));
    ASSERT_TRUE(controller.document().undo().isDone());
    EXPECT_EQ(controller.document().image()->blobs, before.blobs);

    // A bulk update of many channels is one step; unchanged ones are not counted.
    ChannelEdit same = channelEditFrom(channel(5));
    ChannelEdit renamed = channelEditFrom(channel(6));
    renamed.name = QStringLiteral("Six");
    ChannelEdit renamed7 = channelEditFrom(channel(7));
    renamed7.name = QStringLiteral("Seven");
    const EditResult bulk = controller.document().updateChannels(
        {{5, same}, {6, renamed}, {7, renamed7}}, QStringLiteral("note"));
    ASSERT_TRUE(bulk.isDone());
    EXPECT_EQ(lastEditText(), QStringLiteral("2 channels changed; note."));
    EXPECT_EQ(controller.document().undoLabel(), QStringLiteral("Edit 2 channels"));
    EXPECT_TRUE(controller.document().updateChannels({{2000, same}, {6, renamed}}).isRefused());
}

// One rule, one text per check, on every path that makes or changes a
// channel: a value typed outside the radio's bands is kept with a warning in
// the log; a row from a file or the clipboard outside them is left out and
// named; rows that do not fit are refused whole; a name is shown as stored.
TEST_F(EditingTest, EveryChannelPathRunsTheSameChecks) {
    addChannel(1, "Home");
    putContact(0, "Local", 9);
    load();
    ASSERT_TRUE(controller.document()
                    .writeSettings({QStringLiteral("DL1ABC"), 2621001, 136, 174, 400, 480})
                    .isDone());
    QTemporaryDir dir;
    const auto csvFile = [&](const QString& text) {
        static int n = 0;
        QFile f(dir.filePath(QStringLiteral("rows%1.csv").arg(++n)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
        return f.fileName();
    };
    const QString bands =
        QStringLiteral("outside this radio's bands (VHF 136–174, UHF 400–480 MHz)");
    const QString longName = QStringLiteral("Zürich ⚡ Hauptbahnhof Nord");
    const QString storedLong = QStringLiteral("Zürich ? Hauptba");

    enum class Case { inBand, outOfBand, memoryFull, badText };
    struct Path {
        const char* name;
        bool typed; // a person's entry (kept with a warning) or rows (left out)
        // Runs the path with one channel named `name` at `mhz`.
        std::function<void(const QString& name, const QString& mhz)> run;
    };
    const QList<Path> paths{
        {"editor and nerka-cli edit", true,
         [&](const QString& name, const QString& mhz) {
             ChannelEdit edit;
             edit.name = name;
             edit.rxHz = edit.txHz = std::uint64_t(mhz.toDouble() * 1e6 + 0.5);
             (void)controller.document().updateChannel(channel(1).number, edit);
         }},
        {"bulk edit and fill down", true,
         [&](const QString& name, const QString& mhz) {
             ChannelEdit edit;
             edit.name = name;
             edit.rxHz = edit.txHz = std::uint64_t(mhz.toDouble() * 1e6 + 0.5);
             (void)controller.document().updateChannels({{1, edit}});
         }},
        {"CSV import (own layout)", false,
         [&](const QString& name, const QString& mhz) {
             controller.document().importChannelCsv(
                 csvFile(QStringLiteral("Name,RX\n%1,%2\n").arg(name, mhz)));
         }},
        {"CSV import (all fields)", false,
         [&](const QString& name, const QString& mhz) {
             controller.document().importChannelCsv(
                 csvFile(QStringLiteral("Name,RX (MHz),TX contact,Squelch\n%1,%2,Local,Global\n")
                             .arg(name, mhz)));
         }},
        {"CSV import (repeater list)", false,
         [&](const QString& name, const QString& mhz) {
             controller.document().importChannelCsv(
                 csvFile(QStringLiteral("Name,Frequency,Duplex,Offset,Mode\n%1,%2,,0,FM\n")
                             .arg(name, mhz)));
         }},
        {"paste", false,
         [&](const QString& name, const QString& mhz) {
             // The channel copied is typed in first (kept, with a warning).
             ChannelEdit edit;
             edit.name = name;
             edit.rxHz = edit.txHz = std::uint64_t(mhz.toDouble() * 1e6 + 0.5);
             (void)controller.document().updateChannel(channel(1).number, edit);
             controller.document().copyChannel(channel(1).number);
             (void)controller.document().pasteChannelClipboard();
         }},
    };
    const QList<Case> cases{Case::inBand, Case::outOfBand, Case::memoryFull, Case::badText};
    for (const Path& path : paths) {
        for (const Case c : cases) {
            if (c == Case::memoryFull && path.typed)
                continue; // changing a channel needs no room
            SCOPED_TRACE(std::string(path.name) + " case " + std::to_string(int(c)));
            const CodeplugImage before = *controller.document().image();
            if (c == Case::memoryFull) {
                // Every slot taken: the row does not fit, nothing changes.
                CodeplugImage full = before;
                for (int p = 1; p < 1024; ++p)
                    ASSERT_FALSE(createBlankChannel(p, full).empty());
                controller.document().load(full, decodeImage(full));
            }
            const qsizetype count = controller.document().channels().size();
            const QString name = c == Case::badText ? longName : QStringLiteral("6m Call");
            const QString mhz =
                c == Case::outOfBand ? QStringLiteral("52.525") : QStringLiteral("145.5");
            path.run(name, mhz);
            settle();
            const QString line = lastEditText();
            switch (c) {
            case Case::inBand:
                EXPECT_FALSE(line.contains(QStringLiteral("outside"))) << line.toStdString();
                EXPECT_TRUE(results.lastEdit().isDone()) << line.toStdString();
                break;
            case Case::outOfBand:
                if (path.typed) {
                    EXPECT_TRUE(line.endsWith(QStringLiteral("; RX 52.525 MHz ") + bands + u'.'))
                        << line.toStdString();
                    EXPECT_EQ(channel(1).rxHz, 52'525'000u);
                } else {
                    EXPECT_TRUE(line.contains(QStringLiteral("1 row ") + bands +
                                              QStringLiteral(": line 2 6m Call 52.525 MHz")))
                        << line.toStdString();
                    EXPECT_EQ(controller.document().channels().size(), count);
                }
                break;
            case Case::memoryFull:
                EXPECT_TRUE(line.startsWith(QStringLiteral("Channel memory is full")))
                    << line.toStdString();
                EXPECT_EQ(controller.document().channels().size(), count);
                break;
            case Case::badText:
                // The stored name wherever a name shows.
                EXPECT_FALSE(line.contains(QStringLiteral("⚡"))) << line.toStdString();
                if (path.typed) {
                    EXPECT_TRUE(line.contains(storedLong)) << line.toStdString();
                }
                EXPECT_EQ(controller.document().channels().last().name, storedLong);
                break;
            }
            // Back to one in-band channel for the next case.
            controller.document().load(before, decodeImage(before));
        }
    }
}
