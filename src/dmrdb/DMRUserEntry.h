#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace nerka {

// One row of the DMR user-ID table: a radio ID and the texts shown for it.
// Entries read back from the radio carry their whole stored text in `callsign`
// and leave both names empty.
struct DMRUserEntry {
    std::uint32_t id = 0;
    QString callsign;
    QString firstName;
    QString lastName;

    friend bool operator==(const DMRUserEntry&, const DMRUserEntry&) = default;
};

inline size_t qHash(const DMRUserEntry& entry, size_t seed = 0) {
    return qHashMulti(seed, entry.id, entry.callsign, entry.firstName, entry.lastName);
}

// Which name parts enter the display text. Pickers list the cases in this order.
enum class DMRNameFormat : std::uint8_t { firstName, fullName };

// Flash encoding of the table on the radio. Pickers list the cases in this order.
enum class DMRDBFormat : std::uint8_t { compressed, uncompressed };

// Raw values: the case names as text ("firstName", "compressed", ...).
[[nodiscard]] QString nameFormatKey(DMRNameFormat format);
[[nodiscard]] std::optional<DMRNameFormat> nameFormatFromKey(QStringView key);
[[nodiscard]] QString dbFormatKey(DMRDBFormat format);
[[nodiscard]] std::optional<DMRDBFormat> dbFormatFromKey(QStringView key);

// The text that stands for an entry on the radio and in previews: the callsign
// and the name joined by one space, leaving out an empty part. The name is the
// first name, or with `fullName` first and last name joined the same way.
// Neither trimmed nor truncated (the flash encoder truncates).
[[nodiscard]] QString displayText(const DMRUserEntry& entry, DMRNameFormat nameFormat);

// One line of the CSV export: id,callsign,firstName,lastName and a line feed.
// A value holding "," or a double quote is quoted with its quotes doubled.
[[nodiscard]] QString csvLine(const DMRUserEntry& entry);

} // namespace nerka
