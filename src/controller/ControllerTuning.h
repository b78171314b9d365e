#pragma once

#include "controller/WebServices.h"
#include "satellites/SatNOGS.h"

#include <QUrl>

#include <optional>

namespace nerka {

// What tests, the demo and the command line tune in the controller: how long
// its waits last and where its web services are. Set before the operations
// that read them start; the program keeps the defaults (and the environment's
// service addresses, see WebServices).
struct ControllerTuning {
    // Multiplies every auto-connect and reconnect wait.
    double timeScale = 1.0;
    // Timeout of every serial wait.
    int serialTimeoutMs = 3000;
    QUrl dmrIdServiceUrl = WebServices::baseUrl(WebServices::kDmrIdBase, WebServices::kDmrIdEnv);
    QUrl kepsServiceUrl = WebServices::baseUrl(WebServices::kKepsBase, WebServices::kKepsEnv);
    QUrl satnogsServiceUrl =
        WebServices::baseUrl(WebServices::kSatnogsBase, WebServices::kSatnogsEnv);
    int downloadTimeoutMs = 60000;
    // Largest DMR user-ID download body accepted.
    qint64 dmrDownloadMaxBytes = WebServices::kDmrIdMaxBytes;
    // How long a keps load waits for the SatNOGS transmitter list.
    int satnogsWaitMs = 30000;
    // SatNOGS answers from a local file (the command line), instead of the service.
    std::optional<SatNOGSFrequencyMap> satnogsOverride;
};

} // namespace nerka
