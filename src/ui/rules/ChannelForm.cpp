#include "ui/rules/ChannelForm.h"

#include <QCoreApplication>

#include "codeplug/ChannelChecks.h"
#include "ui/rules/FrequencyText.h"

namespace nerka {

namespace {

constexpr std::uint64_t kStandardOffsetSplitHz = 300'000'000;
constexpr std::int64_t kLowBandOffsetHz = 600'000;
constexpr std::int64_t kHighBandOffsetHz = 7'600'000;
// Offered when a channel has no tone of that kind yet: the first table entry.
constexpr int kDefaultCtcssTenths = 670;
constexpr int kDefaultDcsCode = 23;

void loadTone(const std::optional<Tone>& tone, ToneKind& kind, int& ctcss, int& dcs,
              bool& inverted) {
    kind = ToneKind::none;
    ctcss = kDefaultCtcssTenths;
    dcs = kDefaultDcsCode;
    inverted = false;
    if (!tone)
        return;
    if (tone->isDcs()) {
        kind = ToneKind::dcs;
        dcs = tone->value;
        inverted = tone->inverted;
    } else {
        kind = ToneKind::ctcss;
        ctcss = tone->value;
    }
}

} // namespace

std::optional<Tone> ChannelForm::toneFrom(ToneKind kind, int ctcss, int dcs, bool dcsInverted) {
    switch (kind) {
    case ToneKind::none:
        return std::nullopt;
    case ToneKind::ctcss:
        return Tone::ctcss(ctcss);
    case ToneKind::dcs:
        return Tone::dcs(dcs, dcsInverted);
    }
    return std::nullopt;
}

std::int64_t ChannelForm::standardOffsetHz(std::uint64_t rxHz) {
    return rxHz < kStandardOffsetSplitHz ? kLowBandOffsetHz : kHighBandOffsetHz;
}

ChannelForm::Detected ChannelForm::detectFreqMode(std::uint64_t rxHz, std::uint64_t txHz) {
    const std::int64_t diff = std::int64_t(txHz) - std::int64_t(rxHz);
    const std::int64_t standard = standardOffsetHz(rxHz);
    if (diff == 0)
        return {FreqMode::simplex, {}};
    if (diff == -standard)
        return {FreqMode::minus, {}};
    if (diff == standard)
        return {FreqMode::plus, {}};
    return {FreqMode::custom, QString::asprintf("%g", double(diff) / 1'000'000.0)};
}

QString ChannelForm::bandWarning(std::uint64_t hz, const DeviceSettings& bands) {
    const auto limits = BandLimits::of(bands);
    if (!limits || limits->contains(hz))
        return {};
    QString text = outsideBandsText(*limits);
    text[0] = text[0].toUpper();
    return text;
}

QString ChannelForm::freqModeLabel(FreqMode mode, std::uint64_t rxHz) {
    const QString standard =
        QString::asprintf("%.1f MHz", double(standardOffsetHz(rxHz)) / 1'000'000.0);
    switch (mode) {
    case FreqMode::simplex:
        return QCoreApplication::translate("nerka::ChannelForm", "Simplex");
    case FreqMode::minus:
        return QCoreApplication::translate("nerka::ChannelForm", "\u2212 Ablage (%1)")
            .arg(standard);
    case FreqMode::plus:
        return QCoreApplication::translate("nerka::ChannelForm", "+ Ablage (%1)").arg(standard);
    case FreqMode::custom:
        return QCoreApplication::translate("nerka::ChannelForm", "Eigene Ablage");
    case FreqMode::split:
        return QCoreApplication::translate("nerka::ChannelForm", "Disconnected");
    }
    return {};
}

ChannelForm::ChannelForm(const RadioChannel& channel)
    : name(channel.name), isDMR(channel.isDMR()), power(powerLevel(channel.powerRaw)),
      colorCode(channel.colorCode), timeSlot2(channel.timeSlot == 2),
      bandwidthWide(channel.bandwidthWide), contactSlot(channel.contactIndex),
      groupListIndex(channel.groupListIndex), squelchMode(channel.squelchMode),
      squelchLevel(channel.squelchLevel), aprsIndex(channel.aprsIndex), m_channel(channel),
      m_rxText(FrequencyText::formatMHz(channel.rxHz)),
      m_txText(FrequencyText::formatMHz(channel.txHz)), m_referenceRxHz(channel.rxHz),
      m_flags(channelEditFrom(channel)) {
    const Detected detected = detectFreqMode(channel.rxHz, channel.txHz);
    m_freqMode = detected.mode;
    m_customOffset = detected.customOffset;
    loadTone(channel.rxTone, rxToneKind, rxCtcss, rxDcs, rxDcsInv);
    loadTone(channel.txTone, txToneKind, txCtcss, txDcs, txDcsInv);
}

void ChannelForm::setRxText(const QString& text) {
    m_rxText = text;
    if (const auto rxHz = FrequencyText::parseHz(text))
        m_referenceRxHz = *rxHz;
    recalculateTx();
}

void ChannelForm::setFreqMode(FreqMode mode) {
    // Choosing a custom offset with none typed yet starts from the current
    // TX − RX, so TX stays where it is instead of jumping to RX.
    if (mode == FreqMode::custom && m_customOffset.trimmed().isEmpty()) {
        const auto rxHz = FrequencyText::parseHz(m_rxText);
        const auto txHz = FrequencyText::parseHz(m_txText);
        if (rxHz && txHz) {
            // To the hertz, so TX does not move by a rounded digit.
            QString text = QString::asprintf(
                "%.6f", double(std::int64_t(*txHz) - std::int64_t(*rxHz)) / 1'000'000.0);
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char('.')))
                text.chop(1);
            m_customOffset = text == QStringLiteral("-0") ? QStringLiteral("0") : text;
        }
    }
    m_freqMode = mode;
    recalculateTx();
}

void ChannelForm::setCustomOffset(const QString& text) {
    m_customOffset = text;
    recalculateTx();
}

std::optional<std::int64_t> ChannelForm::offsetHz() const {
    switch (m_freqMode) {
    case FreqMode::simplex:
        return 0;
    case FreqMode::minus:
        return -standardOffsetHz(m_referenceRxHz);
    case FreqMode::plus:
        return standardOffsetHz(m_referenceRxHz);
    case FreqMode::custom:
        return FrequencyText::parseSignedHz(m_customOffset).value_or(0);
    case FreqMode::split:
        return std::nullopt;
    }
    return std::nullopt;
}

void ChannelForm::recalculateTx() {
    const auto offset = offsetHz();
    const auto rxHz = FrequencyText::parseHz(m_rxText);
    if (!offset || !rxHz)
        return;
    // An offset of any size may be typed; a TX that would fall below 1 Hz (or
    // beyond what hertz can hold) leaves the TX text as it is.
    constexpr std::int64_t kMaxHz = std::int64_t(1) << 62;
    if (*offset > kMaxHz - std::int64_t(*rxHz))
        return;
    const std::int64_t txHz = std::int64_t(*rxHz) + *offset;
    if (txHz < 1)
        return;
    m_txText = FrequencyText::formatMHz(std::uint64_t(txHz));
}

bool ChannelForm::flag(ChannelField field) const {
    const auto member = channelField(field).editFlag;
    return member && m_flags.*member;
}

void ChannelForm::setFlag(ChannelField field, bool on) {
    if (const auto member = channelField(field).editFlag)
        m_flags.*member = on;
}

bool ChannelForm::nameValid() const {
    return !name.trimmed().isEmpty();
}
bool ChannelForm::rxValid() const {
    return FrequencyText::isValid(m_rxText);
}
bool ChannelForm::txValid() const {
    return FrequencyText::isValid(m_txText);
}

std::optional<ChannelEdit> ChannelForm::edit() const {
    if (!isValid())
        return std::nullopt;
    return chosenValues();
}

ChannelEdit ChannelForm::chosenValues() const {
    ChannelEdit edit = channelEditFrom(m_channel);
    if (nameValid())
        edit.name = name;
    edit.rxHz = FrequencyText::parseHz(m_rxText).value_or(m_channel.rxHz);
    edit.txHz = FrequencyText::parseHz(m_txText).value_or(m_channel.txHz);
    edit.isDMR = isDMR;
    edit.powerRaw = powerRawFor(power, m_channel.powerRaw);
    edit.colorCode = colorCode;
    edit.timeSlotTS2 = timeSlot2;
    edit.bandwidthWide = bandwidthWide;
    edit.rxTone = ChannelForm::toneFrom(rxToneKind, rxCtcss, rxDcs, rxDcsInv);
    edit.txTone = ChannelForm::toneFrom(txToneKind, txCtcss, txDcs, txDcsInv);
    edit.contactSlot = contactSlot;
    edit.groupListIndex = groupListIndex;
    edit.squelchMode = squelchMode;
    edit.squelchLevel = squelchLevel;
    for (const ChannelFieldInfo& row : channelFieldTable()) {
        if (row.editFlag)
            edit.*row.editFlag = m_flags.*row.editFlag;
    }
    edit.aprsIndex = aprsIndex;
    return edit;
}

} // namespace nerka
