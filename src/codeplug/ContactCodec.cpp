#include "codeplug/ContactCodec.h"

#include "codeplug/ByteIO.h"
#include "codeplug/ChannelCodec.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/CodeplugLayout.h"
#include "codeplug/DmrId.h"
#include "codeplug/NameField.h"
#include "codeplug/TalkgroupCodec.h"

#include <QSet>

namespace nerka {

QString rawText(ContactType type) {
    switch (type) {
    case ContactType::group:
        return QStringLiteral("Group");
    case ContactType::privateCall:
        return QStringLiteral("Private");
    case ContactType::allCall:
        return QStringLiteral("All");
    }
    return QStringLiteral("Group");
}

QString displayText(ContactType type) {
    switch (type) {
    case ContactType::group:
        break;
    case ContactType::privateCall:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Private Call"));
    case ContactType::allCall:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "All Call"));
    }
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Group Call"));
}

std::optional<ContactType> contactTypeFromRawText(const QString& text) {
    for (ContactType type : kAllContactTypes)
        if (text == rawText(type))
            return type;
    return std::nullopt;
}

QString rawText(TimeSlotOverride override) {
    switch (override) {
    case TimeSlotOverride::none:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "No override"));
    case TimeSlotOverride::ts1:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Force TS1"));
    case TimeSlotOverride::ts2:
        return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "Force TS2"));
    }
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Fields", "No override"));
}

std::optional<TimeSlotOverride> timeSlotOverrideFromRawText(const QString& text) {
    for (TimeSlotOverride o : kAllTimeSlotOverrides)
        if (text == rawText(o))
            return o;
    return std::nullopt;
}

ContactType contactTypeFromCode(std::uint8_t code) {
    switch (code) {
    case std::uint8_t(ContactType::privateCall):
        return ContactType::privateCall;
    case std::uint8_t(ContactType::allCall):
        return ContactType::allCall;
    default:
        return ContactType::group;
    }
}

TimeSlotOverride timeSlotOverrideFromCode(std::uint8_t code) {
    switch (code) {
    case std::uint8_t(TimeSlotOverride::ts1):
        return TimeSlotOverride::ts1;
    case std::uint8_t(TimeSlotOverride::ts2):
        return TimeSlotOverride::ts2;
    default:
        return TimeSlotOverride::none;
    }
}

namespace {

std::optional<BankAddress> contactTable(const CodeplugImage& image) {
    if (!image.variant)
        return std::nullopt;
    return layoutForVariant(*image.variant).contactBank;
}

bool isValidSlot(int slot) {
    return slot >= 0 && slot < ContactTable::kSlotCount;
}

std::uint32_t contactRecordAddress(BankAddress table, int slot) {
    return table.address + std::uint32_t(ContactRecord::kSize * slot);
}

bool nameInUse(std::uint8_t firstByte) {
    return firstByte != 0x00 && firstByte != 0xFF;
}

// The empty-contact pattern, applied to a record read from the image so that
// bytes 21-22 keep their values.
void makeEmpty(QByteArray& record) {
    ByteWriter w(record);
    w.setBytes(ContactRecord::kNameOffset, QByteArray(ContactRecord::kNameWidth, char(0xFF)));
    w.setU32be(ContactRecord::kDmrIdOffset, 0);
    w.setU8(ContactRecord::kCallTypeOffset, 0);
    w.setU8(ContactRecord::kTimeSlotOverrideOffset, std::uint8_t(TimeSlotOverride::none));
}

RegionSet writeRecord(CodeplugImage& image, BankAddress table, int slot, const QByteArray& record) {
    RegionSet regions;
    addRegion(regions, writeBytes(image, table.bank, contactRecordAddress(table, slot), record));
    return regions;
}

std::optional<QByteArray> readRecord(const CodeplugImage& image, BankAddress table, int slot) {
    return readBytes(image, table.bank, contactRecordAddress(table, slot), ContactRecord::kSize);
}

} // namespace

QList<DMRContact> decodeContacts(const CodeplugImage& image) {
    QList<DMRContact> contacts;
    const auto table = contactTable(image);
    if (!table)
        return contacts;
    const auto data = readBytes(image, table->bank, table->address, ContactTable::kSize);
    if (!data)
        return contacts;
    const char* base = data->constData();
    for (int slot = 0; slot < ContactTable::kSlotCount; ++slot) {
        const char* record = base + ContactRecord::kSize * slot;
        if (!nameInUse(std::uint8_t(record[ContactRecord::kNameOffset])))
            continue;
        DMRContact contact;
        contact.slot = slot;
        contact.name = decodeName(QByteArray::fromRawData(record + ContactRecord::kNameOffset,
                                                          ContactRecord::kNameWidth));
        contact.dmrID =
            decodeDmrId(QByteArray::fromRawData(record + ContactRecord::kDmrIdOffset, 4));
        contact.type = contactTypeFromCode(std::uint8_t(record[ContactRecord::kCallTypeOffset]));
        contact.timeSlotOverride =
            timeSlotOverrideFromCode(std::uint8_t(record[ContactRecord::kTimeSlotOverrideOffset]));
        contacts.append(std::move(contact));
    }
    return contacts;
}

RegionSet applyContactEdit(const ContactEdit& edit, int slot, CodeplugImage& image) {
    const auto table = contactTable(image);
    if (!table || !isValidSlot(slot))
        return {};
    auto record = readRecord(image, *table, slot);
    if (!record)
        return {};
    ByteWriter w(*record);
    w.setBytes(ContactRecord::kNameOffset, encodeName(edit.name, ContactRecord::kNameWidth));
    w.setBytes(ContactRecord::kDmrIdOffset, encodeDmrId(edit.dmrID));
    w.setU8(ContactRecord::kCallTypeOffset, std::uint8_t(edit.type));
    w.setBytes(ContactRecord::kReservedOffset, QByteArray(ContactRecord::kReservedSize, '\0'));
    w.setU8(ContactRecord::kTimeSlotOverrideOffset, std::uint8_t(edit.timeSlotOverride));
    return writeRecord(image, *table, slot, *record);
}

RegionSet clearContact(int slot, CodeplugImage& image) {
    const auto table = contactTable(image);
    if (!table || !isValidSlot(slot))
        return {};
    auto record = readRecord(image, *table, slot);
    if (!record)
        return {};
    makeEmpty(*record);
    return writeRecord(image, *table, slot, *record);
}

RegionSet compactContacts(const QList<int>& order, CodeplugImage& image) {
    const auto table = contactTable(image);
    if (!table)
        return {};

    // Everything is read and checked before the first write.
    QList<QByteArray> records;
    records.reserve(order.size());
    QHash<int, int> oldToNew;
    for (int oldSlot : order) {
        if (!isValidSlot(oldSlot) || oldToNew.contains(oldSlot))
            return {};
        auto record = readRecord(image, *table, oldSlot);
        if (!record)
            return {};
        oldToNew.insert(oldSlot, int(records.size()));
        records.append(*record);
    }

    RegionSet regions;
    const int count = int(records.size());
    for (int k = 0; k < count; ++k)
        regions.merge(writeRecord(image, *table, k, records[k]));
    // Listed slots below `count` were overwritten above; the others fell empty.
    for (int oldSlot : order) {
        if (oldSlot < count)
            continue;
        auto record = readRecord(image, *table, oldSlot);
        if (!record)
            continue;
        makeEmpty(*record);
        regions.merge(writeRecord(image, *table, oldSlot, *record));
    }
    regions.merge(remapChannelReferences(ChannelRecord::kContactOffset, 2, oldToNew, image));
    regions.merge(remapTalkgroupMembers(oldToNew, image));
    return regions;
}

} // namespace nerka
