#include "controller/OutgoingCodeplug.h"

#include "codeplug/RecordOverlay.h"
#include "satellites/SatelliteCodec.h"

namespace nerka {

CodeplugImage outgoingCodeplug(const CodeplugImage& radio, const CodeplugImage& codeplug,
                               bool recordsOnly, bool keepIdentity) {
    CodeplugImage sent = codeplug;
    if (recordsOnly) {
        sent = overlayRecords(radio, codeplug);
        // Satellites live in the custom-data area beside blocks of the
        // radio's own: only the table of satellites is laid over.
        const auto satellites = decodeSatellites(codeplug);
        if (satellites && !satellites->isEmpty() && sent.variant == codeplug.variant) {
            (void)ensureSatelliteBlock(sent);
            (void)writeSatellites(*satellites, sent);
        }
    }
    if (keepIdentity)
        sent = withIdentityOf(sent, radio);
    return sent;
}

} // namespace nerka
