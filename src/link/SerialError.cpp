#include "link/SerialError.h"

#include <QCoreApplication>

#include <cstring>

namespace nerka {

QString SerialError::systemText(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

QString SerialError::description() const {
    switch (kind) {
    case Kind::openFailed:
        return QCoreApplication::translate("LinkError", "Could not open serial port: %1").arg(text);
    case Kind::configFailed:
        return QCoreApplication::translate("LinkError", "Could not configure serial port: %1")
            .arg(text);
    case Kind::writeFailed:
        return QCoreApplication::translate("LinkError", "Writing to the serial port failed: %1")
            .arg(text);
    case Kind::readFailed:
        return QCoreApplication::translate("LinkError", "Reading from the serial port failed: %1")
            .arg(text);
    case Kind::shortWrite:
        return QCoreApplication::translate("LinkError", "Incomplete write (%1/%2 bytes).")
            .arg(actual)
            .arg(expected);
    case Kind::notOpen:
        return QCoreApplication::translate("LinkError", "Serial port is not open.");
    case Kind::readTimeout:
        return QCoreApplication::translate("LinkError", "Timeout while reading from the device.");
    case Kind::portBusy:
        return QCoreApplication::translate(
            "LinkError", "Port busy: another program is using the serial port. Nothing was "
                         "sent.");
    }
    return {};
}

} // namespace nerka
