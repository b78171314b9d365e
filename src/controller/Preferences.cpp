#include "controller/Preferences.h"

#include "dmrdb/DMRPrefixNames.h"

namespace nerka {

namespace {

// The flag a stored value holds, or nothing when it is not a flag. INI stores
// keep flags as the texts "true"/"false".
std::optional<bool> storedFlag(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong) {
        const auto n = value.toLongLong();
        if (n == 0 || n == 1)
            return n == 1;
        return std::nullopt;
    }
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1"))
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 ||
        text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

} // namespace

Preferences::Preferences(QSettings* settings) {
    if (!settings) {
        m_owned = std::make_unique<QSettings>();
        settings = m_owned.get();
    }
    m_settings = settings;
}

QString Preferences::lastPortPath() const {
    return m_settings->value(QLatin1String(kLastPortKey)).toString();
}

void Preferences::setLastPortPath(const QString& path) {
    m_settings->setValue(QLatin1String(kLastPortKey), path);
}

bool Preferences::autoConnect() const {
    const QVariant v = m_settings->value(QLatin1String(kAutoConnectKey));
    return !v.isValid() ? true : storedFlag(v).value_or(true);
}

void Preferences::setAutoConnect(bool on) {
    m_settings->setValue(QLatin1String(kAutoConnectKey), on);
}

bool Preferences::autoRead() const {
    const QVariant v = m_settings->value(QLatin1String(kAutoReadKey));
    return !v.isValid() ? true : storedFlag(v).value_or(true);
}

void Preferences::setAutoRead(bool on) {
    m_settings->setValue(QLatin1String(kAutoReadKey), on);
}

bool Preferences::showAllPorts() const {
    const QVariant v = m_settings->value(QLatin1String(kShowAllPortsKey));
    return !v.isValid() ? false : storedFlag(v).value_or(false);
}

void Preferences::setShowAllPorts(bool on) {
    m_settings->setValue(QLatin1String(kShowAllPortsKey), on);
}

bool Preferences::writeWholeRegions() const {
    return storedFlag(m_settings->value(QLatin1String(kWriteWholeRegionsKey))).value_or(false);
}

void Preferences::setWriteWholeRegions(bool on) {
    m_settings->setValue(QLatin1String(kWriteWholeRegionsKey), on);
}

DMRSelection Preferences::dmrSelection() const {
    DMRSelection selection;
    selection.prefixes =
        DMRPrefixNames::parse(m_settings->value(QLatin1String(kDMRPrefixesKey)).toString())
            .prefixes;
    const QVariant fill = m_settings->value(QLatin1String(kDMRFillRestKey));
    selection.fillRest = !fill.isValid() ? true : storedFlag(fill).value_or(true);
    return selection;
}

void Preferences::setDMRSelection(const DMRSelection& selection) {
    m_settings->setValue(QLatin1String(kDMRPrefixesKey), DMRPrefixNames::join(selection.prefixes));
    m_settings->setValue(QLatin1String(kDMRFillRestKey), selection.fillRest);
}

} // namespace nerka
