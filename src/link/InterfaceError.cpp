#include "link/InterfaceError.h"

#include <QCoreApplication>

namespace nerka {

QString InterfaceError::description() const {
    switch (kind) {
    case Kind::badResponse:
        return QCoreApplication::translate("LinkError", "Invalid response from device: %1")
            .arg(text);
    case Kind::unknownRadio:
        return QCoreApplication::translate("LinkError", "Unbekannter OpenGD77-Radiotyp: %1.")
            .arg(radioType);
    case Kind::notIdentified:
        return QCoreApplication::translate("LinkError", "Device has not been identified yet.");
    case Kind::invalidRequest:
        return QCoreApplication::translate("LinkError", "Invalid request: %1").arg(text);
    case Kind::interrupted:
        return QCoreApplication::translate(
            "LinkError", "Interrupted: the write stopped after the current block.");
    }
    return {};
}

} // namespace nerka
