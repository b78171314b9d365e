#include "ui/rules/ContactRules.h"

namespace nerka {

std::optional<std::uint32_t> ContactRules::parseDmrId(const QString& text) {
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1Char('+')))
        digits.remove(0, 1);
    // Digits only: no second sign, no blank after the "+", no grouping. More
    // than 9 digits is out of range whatever they are, and stops overflow.
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + std::uint32_t(c.unicode() - u'0');
    }
    if (value < kMinDmrId || value > kMaxDmrId)
        return std::nullopt;
    return value;
}

std::optional<ContactEdit> ContactRules::edit(const QString& name, const QString& idText,
                                              ContactType type, TimeSlotOverride timeSlotOverride) {
    const auto id = parseDmrId(idText);
    // A contact with an empty name is no contact at all: saving it would
    // free its slot.
    if (name.trimmed().isEmpty() || !id)
        return std::nullopt;
    return ContactEdit{name, *id, type, timeSlotOverride};
}

} // namespace nerka
