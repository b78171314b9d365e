#pragma once

#include "codeplug/ContactCodec.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace nerka {

// The contact editor's rules: the DMR ID text and when a contact may be saved.
class ContactRules {
public:
    static constexpr std::uint32_t kMinDmrId = 1;
    static constexpr std::uint32_t kMaxDmrId = 16'777'215; // 24 bits

    // The trimmed text as a decimal DMR ID (an optional leading "+") from 1 to
    // 16777215; nothing for anything else.
    [[nodiscard]] static std::optional<std::uint32_t> parseDmrId(const QString& text);

    // The edit to save, or nothing while the name is empty or the ID invalid.
    [[nodiscard]] static std::optional<ContactEdit> edit(const QString& name, const QString& idText,
                                                         ContactType type,
                                                         TimeSlotOverride timeSlotOverride);
};

} // namespace nerka
