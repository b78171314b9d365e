#include "link/SerialError.h"

#include <cstring>

namespace nerka {

QString SerialError::systemText(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

QString SerialError::description() const {
    switch (kind) {
    case Kind::openFailed:
        return QStringLiteral("Could not open serial port: ") + text;
    case Kind::configFailed:
        return QStringLiteral("Could not configure serial port: ") + text;
    case Kind::writeFailed:
        return QStringLiteral("Writing to the serial port failed: ") + text;
    case Kind::readFailed:
        return QStringLiteral("Reading from the serial port failed: ") + text;
    case Kind::shortWrite:
        return QStringLiteral("Incomplete write (%1/%2 bytes).").arg(actual).arg(expected);
    case Kind::notOpen:
        return QStringLiteral("Serial port is not open.");
    case Kind::readTimeout:
        return QStringLiteral("Timeout while reading from the device.");
    case Kind::portBusy:
        return QStringLiteral("Port busy: another program is using the serial port. Nothing was "
                              "sent.");
    }
    return {};
}

} // namespace nerka
