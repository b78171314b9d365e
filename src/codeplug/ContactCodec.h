#pragma once

#include "codeplug/CodeplugImage.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace nerka {

// Contact table: 1024 records of 24 bytes, no bitmap. A slot holds a contact
// when the first byte of its name field is neither 0x00 nor 0xFF.
struct ContactTable {
    static constexpr int kSlotCount = 1024;
    static constexpr int kSize = 24576;
};

struct ContactRecord {
    static constexpr int kSize = 24;
    static constexpr int kNameOffset = 0;
    static constexpr int kNameWidth = 16;
    static constexpr int kDmrIdOffset = 16; // 8 BCD digits, big-endian
    static constexpr int kCallTypeOffset = 20;
    static constexpr int kReservedOffset = 21; // bytes 21 and 22: written 0 on edit, kept on clear
    static constexpr int kReservedSize = 2;
    static constexpr int kTimeSlotOverrideOffset = 23;
};

// Record codes are the enumerator values.
enum class ContactType : std::uint8_t { group = 0, privateCall = 1, allCall = 2 };
enum class TimeSlotOverride : std::uint8_t { none = 0x01, ts1 = 0x00, ts2 = 0x02 };

inline constexpr std::array<ContactType, 3> kAllContactTypes = {
    ContactType::group, ContactType::privateCall, ContactType::allCall};
inline constexpr std::array<TimeSlotOverride, 3> kAllTimeSlotOverrides = {
    TimeSlotOverride::none, TimeSlotOverride::ts1, TimeSlotOverride::ts2};

// "Group", "Private", "All": the words of files and JSON.
[[nodiscard]] QString rawText(ContactType type);
// "Group Call", "Private Call", "All Call": what the window and the change
// list show.
[[nodiscard]] QString displayText(ContactType type);
[[nodiscard]] std::optional<ContactType> contactTypeFromRawText(const QString& text);
// "No override", "Force TS1", "Force TS2".
[[nodiscard]] QString rawText(TimeSlotOverride override);
[[nodiscard]] std::optional<TimeSlotOverride> timeSlotOverrideFromRawText(const QString& text);

// Decoding is lenient: an unknown call type is a group call, an unknown
// override code means no override.
[[nodiscard]] ContactType contactTypeFromCode(std::uint8_t code);
[[nodiscard]] TimeSlotOverride timeSlotOverrideFromCode(std::uint8_t code);

struct DMRContact {
    int slot = 0; // 0-based
    QString name;
    std::uint32_t dmrID = 0;
    ContactType type = ContactType::group;
    TimeSlotOverride timeSlotOverride = TimeSlotOverride::none;

    friend bool operator==(const DMRContact&, const DMRContact&) = default;
};

struct ContactEdit {
    QString name;
    std::uint32_t dmrID = 0;
    ContactType type = ContactType::group;
    TimeSlotOverride timeSlotOverride = TimeSlotOverride::none;

    friend bool operator==(const ContactEdit&, const ContactEdit&) = default;
};

// Contacts in slot order; empty when the image has no variant or the table
// cannot be read whole.
[[nodiscard]] QList<DMRContact> decodeContacts(const CodeplugImage& image);

// Rewrites name, ID, call type and override of `slot` (bytes 21-22 become 0).
// A non-empty name brings the slot into use; an empty one takes it out.
[[nodiscard]] RegionSet applyContactEdit(const ContactEdit& edit, int slot, CodeplugImage& image);

// The empty-contact pattern: name 0xFF, ID and call type 0, override none;
// bytes 21-22 keep their values.
[[nodiscard]] RegionSet clearContact(int slot, CodeplugImage& image);

// Moves the contacts of the old slots in `order` to slots 0..n-1, clears the
// listed old slots from n on, and renumbers the contact references of the
// channels and RX group lists. Writes nothing when a slot is outside the table,
// listed twice, or its record cannot be read.
[[nodiscard]] RegionSet compactContacts(const QList<int>& order, CodeplugImage& image);

} // namespace nerka
