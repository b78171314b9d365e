#include "link/InterfaceError.h"

namespace nerka {

QString InterfaceError::description() const {
    switch (kind) {
    case Kind::badResponse:
        return QStringLiteral("Invalid response from device: ") + text;
    case Kind::unknownRadio:
        return QStringLiteral("Unbekannter OpenGD77-Radiotyp: %1.").arg(radioType);
    case Kind::notIdentified:
        return QStringLiteral("Device has not been identified yet.");
    case Kind::invalidRequest:
        return QStringLiteral("Invalid request: ") + text;
    case Kind::interrupted:
        return QStringLiteral("Interrupted: the write stopped after the current block.");
    }
    return {};
}

} // namespace nerka
