#include "ui/rules/SatelliteFormRules.h"

#include "satellites/SatelliteCodec.h"
#include "ui/rules/FrequencyText.h"

#include <QCoreApplication>
#include <QDateTime>

#include <limits>

namespace nerka {

QString SatelliteFormRules::cutName(const QString& name) {
    return name.size() > kMaxNameLength ? name.left(kMaxNameLength) : name;
}

QString SatelliteFormRules::frequencyText(std::uint32_t hz) {
    return hz == 0 ? QString() : FrequencyText::formatMHz(hz);
}

std::optional<std::uint32_t> SatelliteFormRules::parseFrequency(const QString& text) {
    if (text.trimmed().isEmpty())
        return std::uint32_t(0);
    const std::optional<std::uint64_t> hz = FrequencyText::parseHz(text);
    // Below 1000 MHz always fits 32 bits; the check keeps that true if the
    // text rule ever widens.
    if (!hz || *hz > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return std::uint32_t(*hz);
}

SatelliteForm SatelliteFormRules::formFor(const Satellite& satellite) {
    SatelliteForm form;
    form.name = satellite.name;
    const std::uint32_t hz[SatelliteForm::kFrequencyCount] = {satellite.rxFreq1, satellite.txFreq1,
                                                              satellite.rxFreq2, satellite.txFreq2,
                                                              satellite.rxFreq3, satellite.txFreq3};
    for (int i = 0; i < SatelliteForm::kFrequencyCount; ++i)
        form.frequencies[i] = frequencyText(hz[i]);
    form.txTone = satellite.txTone;
    form.armTone = satellite.armTone;
    return form;
}

bool SatelliteFormRules::isNameValid(const QString& name) {
    return !name.trimmed().isEmpty();
}

bool SatelliteFormRules::isValid(const SatelliteForm& form) {
    if (!isNameValid(form.name))
        return false;
    for (const QString& text : form.frequencies) {
        if (!parseFrequency(text))
            return false;
    }
    return true;
}

std::optional<Satellite> SatelliteFormRules::apply(const Satellite& original,
                                                   const SatelliteForm& form) {
    if (!isValid(form))
        return std::nullopt;
    Satellite satellite = original;
    satellite.name = cutName(form.name);
    std::uint32_t* const hz[SatelliteForm::kFrequencyCount] = {
        &satellite.rxFreq1, &satellite.txFreq1, &satellite.rxFreq2,
        &satellite.txFreq2, &satellite.rxFreq3, &satellite.txFreq3};
    for (int i = 0; i < SatelliteForm::kFrequencyCount; ++i)
        *hz[i] = *parseFrequency(form.frequencies[i]);
    satellite.txTone = form.txTone;
    satellite.armTone = form.armTone;
    return satellite;
}

QList<std::optional<Tone>> SatelliteFormRules::toneChoices(const std::optional<Tone>& current) {
    QList<std::optional<Tone>> choices{std::nullopt};
    const std::optional<int> currentCtcss =
        current && !current->isDcs() ? std::optional<int>(current->value) : std::nullopt;
    for (int tenthsHz : nerka::toneChoices(Tone::Kind::ctcss, currentCtcss))
        choices.append(Tone::ctcss(tenthsHz));
    if (current && current->isDcs())
        choices.append(*current);
    return choices;
}

QString SatelliteFormRules::epochText(const Satellite& satellite) {
    const QString none = QStringLiteral("\u2014");
    if (satellite.tle1.count('\0') == satellite.tle1.size())
        return none;
    const std::optional<QDateTime> date = epochDate(satellite);
    return date ? date->toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : none;
}

QString SatelliteFormRules::toneLabel(const std::optional<Tone>& tone) {
    if (!tone)
        return QCoreApplication::translate("nerka::SatelliteFormRules", "None");
    if (tone->isDcs())
        return tone->displayText();
    return QString::asprintf("%.1f Hz", tone->value / 10.0);
}

} // namespace nerka
