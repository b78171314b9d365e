#include "ui/rules/SettingsForm.h"

#include <QCoreApplication>

#include "ui/rules/ContactRules.h"

namespace nerka {

namespace {

bool bandValid(const QString& minText, const QString& maxText) {
    const auto low = SettingsForm::parseInteger(minText);
    const auto high = SettingsForm::parseInteger(maxText);
    return low && high && *low >= SettingsForm::kMinBandMHz && *high <= SettingsForm::kMaxBandMHz &&
           *low <= *high;
}

} // namespace

SettingsForm::SettingsForm(const DeviceSettings& settings)
    : call(cutCallsign(settings.call)), dmrID(QString::number(settings.dmrID)),
      vhfMin(QString::number(settings.vhfMin)), vhfMax(QString::number(settings.vhfMax)),
      uhfMin(QString::number(settings.uhfMin)), uhfMax(QString::number(settings.uhfMax)) {}

QString SettingsForm::cutCallsign(const QString& text) {
    return text.left(kCallWidth);
}

std::optional<int> SettingsForm::parseInteger(const QString& text) {
    const QString digits = text.trimmed();
    // Digits only (no sign, no grouping); 9 digits cannot overflow an int.
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

bool SettingsForm::dmrIdValid() const {
    return ContactRules::parseDmrId(dmrID).has_value();
}
bool SettingsForm::vhfValid() const {
    return bandValid(vhfMin, vhfMax);
}
bool SettingsForm::uhfValid() const {
    return bandValid(uhfMin, uhfMax);
}

std::optional<SettingsForm::Problem> SettingsForm::problem() const {
    if (!dmrIdValid())
        return Problem{&SettingsForm::dmrID,
                       QCoreApplication::translate("nerka::SettingsForm",
                                                   "DMR-ID: must be a number from 1 to 16777215")};
    const auto band = [](const QString& name, const QString& minText, const QString& maxText,
                         QString SettingsForm::*minField,
                         QString SettingsForm::*maxField) -> std::optional<Problem> {
        const QString range =
            QCoreApplication::translate("nerka::SettingsForm",
                                        ": must be a whole number of MHz from %1 to %2")
                .arg(kMinBandMHz)
                .arg(kMaxBandMHz);
        const auto inRange = [](const std::optional<int>& mhz) {
            return mhz && *mhz >= kMinBandMHz && *mhz <= kMaxBandMHz;
        };
        const auto low = parseInteger(minText);
        const auto high = parseInteger(maxText);
        if (!inRange(low))
            return Problem{
                minField, name +
                              QCoreApplication::translate("nerka::SettingsForm", " Minimum (MHz)") +
                              range};
        if (!inRange(high))
            return Problem{
                maxField, name +
                              QCoreApplication::translate("nerka::SettingsForm", " Maximum (MHz)") +
                              range};
        if (*low > *high)
            return Problem{maxField,
                           name + QCoreApplication::translate("nerka::SettingsForm",
                                                              " Maximum (MHz): must not be below "
                                                              "the minimum (%1)")
                                      .arg(*low)};
        return std::nullopt;
    };
    if (auto vhf = band(QCoreApplication::translate("nerka::SettingsForm", "VHF"), vhfMin, vhfMax,
                        &SettingsForm::vhfMin, &SettingsForm::vhfMax))
        return vhf;
    return band(QCoreApplication::translate("nerka::SettingsForm", "UHF"), uhfMin, uhfMax,
                &SettingsForm::uhfMin, &SettingsForm::uhfMax);
}

std::optional<DeviceSettings> SettingsForm::settings() const {
    if (!isValid())
        return std::nullopt;
    DeviceSettings result;
    result.call = cutCallsign(call);
    result.dmrID = *ContactRules::parseDmrId(dmrID);
    result.vhfMin = *parseInteger(vhfMin);
    result.vhfMax = *parseInteger(vhfMax);
    result.uhfMin = *parseInteger(uhfMin);
    result.uhfMax = *parseInteger(uhfMax);
    return result;
}

} // namespace nerka
