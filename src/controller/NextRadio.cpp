// One codeplug for many radios: a codeplug started without a radio, and
// writes to a radio other than the one the codeplug was read from.

#include "controller/RadioController.h"

#include "codeplug/BlankCodeplug.h"

namespace nerka {

EditResult RadioController::newCodeplug(RadioVariant variant) {
    Q_ASSERT(onMainThread());
    if (m_status.isWorking())
        return recordFileResult(EditResult::refused(RefusalKind::busy, transferBusyText()));
    const CodeplugImage image = nerka::newCodeplug(variant);
    m_document.loadNew(image, decodeImage(image));
    assignDocumentURL(std::nullopt);
    ChangeSet all;
    all.replaced = true;
    return recordFileResult(EditResult::done(all, variant == RadioVariant::uv380
                                                      ? tr("New codeplug (UV380 family).")
                                                      : tr("New codeplug (GD77 family).")));
}

bool RadioController::connectedToOtherRadio() const {
    const auto& radio = m_document.baselineRadio();
    return m_firmware && radio && m_document.hasBaseline() && m_firmware->flashChipSerial != *radio;
}

bool RadioController::keepIdentityByDefault() const {
    return m_document.isNew() || connectedToOtherRadio();
}

RegionSet RadioController::regionsToWrite() const {
    const auto& image = m_document.image();
    if (!image)
        return {};
    if (!m_document.isNew() && !connectedToOtherRadio())
        return m_document.dirtyRegions();
    RegionSet all;
    for (int i = 0; i < int(image->regions.size()); ++i)
        all.insert(i);
    return all;
}

} // namespace nerka
