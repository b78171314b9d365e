#include "link/RadioType.h"

namespace nerka {

std::optional<RadioType> radioTypeFromRaw(std::uint32_t raw) {
    if (raw > kHighestRadioType)
        return std::nullopt;
    return RadioType(raw);
}

QString radioTypeDisplayName(RadioType type) {
    switch (type) {
    case RadioType::gd77:
        return QStringLiteral("Radioddity GD-77");
    case RadioType::gd77s:
        return QStringLiteral("Radioddity GD-77S");
    case RadioType::dm1801:
        return QStringLiteral("Baofeng DM-1801");
    case RadioType::rd5r:
        return QStringLiteral("Radioddity RD-5R");
    case RadioType::dm1801a:
        return QStringLiteral("Baofeng DM-1801A");
    case RadioType::md9600:
        return QStringLiteral("TYT MD-9600");
    case RadioType::mduv380:
        return QStringLiteral("TYT MD-UV380/390");
    case RadioType::md380:
        return QStringLiteral("TYT MD-380");
    case RadioType::dm1701:
        return QStringLiteral("Baofeng DM-1701");
    case RadioType::md2017:
        return QStringLiteral("TYT MD-2017");
    case RadioType::dm1701rgb:
        return QStringLiteral("Baofeng DM-1701 RGB");
    }
    return {};
}

} // namespace nerka
