#include "ui/window/WriteQuestion.h"

#include "controller/RadioController.h"

namespace nerka {

namespace {

QString serialText(std::uint32_t serial) {
    return QString::asprintf("0x%08X", serial);
}

} // namespace

WriteQuestion::WriteQuestion(const RadioController& controller) : m_controller(controller) {}

QString WriteQuestion::message(const QString& changes) const {
    QStringList sentences{changes};
    const CodeplugDocument& document = m_controller.document();
    if (m_controller.connectedToOtherRadio() && m_controller.firmware())
        sentences.append(tr("This radio (flash serial %1) is not the one the codeplug was read "
                            "from (%2): its codeplug is read first, and everything that differs "
                            "is written.")
                             .arg(serialText(m_controller.firmware()->flashChipSerial),
                                  serialText(document.baselineRadio().value_or(0))));
    if (document.isNew())
        sentences.append(tr("The codeplug was started without a radio: only its records replace "
                            "the radio's, whose own settings stay."));
    const DeviceSettings settings = document.settings().value_or(DeviceSettings{});
    if (settings.call.isEmpty() && settings.dmrID == 0)
        sentences.append(tr("The codeplug has no call sign or DMR ID; the radio keeps its own."));
    else
        sentences.append(tr("Call sign and DMR ID to be written: %1, %2.")
                             .arg(settings.call.isEmpty() ? tr("(none)") : settings.call)
                             .arg(settings.dmrID));
    return sentences.join(QLatin1Char('\n'));
}

DialogOption WriteQuestion::identityOption() const {
    return {tr("Write with this radio's own identity"), m_controller.keepIdentityByDefault()};
}

} // namespace nerka
