#include "link/LinkError.h"

#include <cerrno>

namespace nerka {

namespace {

LinkErrorKind kindOf(const SerialError& e) {
    switch (e.kind) {
    case SerialError::Kind::openFailed:
        if (e.systemError == ENOENT)
            return LinkErrorKind::portMissing;
        if (e.systemError == EACCES)
            return LinkErrorKind::portDenied;
        return LinkErrorKind::portFailed;
    case SerialError::Kind::configFailed:
        return LinkErrorKind::portFailed;
    case SerialError::Kind::portBusy:
        return LinkErrorKind::portBusy;
    case SerialError::Kind::readTimeout:
        return LinkErrorKind::timeout;
    case SerialError::Kind::writeFailed:
    case SerialError::Kind::readFailed:
    case SerialError::Kind::shortWrite:
    case SerialError::Kind::notOpen:
        return LinkErrorKind::ioFailed;
    }
    return LinkErrorKind::ioFailed;
}

LinkErrorKind kindOf(const InterfaceError& e) {
    switch (e.kind) {
    case InterfaceError::Kind::badResponse:
        return LinkErrorKind::badResponse;
    case InterfaceError::Kind::unknownRadio:
        return LinkErrorKind::unknownRadio;
    case InterfaceError::Kind::notIdentified:
        return LinkErrorKind::notIdentified;
    case InterfaceError::Kind::invalidRequest:
        return LinkErrorKind::invalidRequest;
    case InterfaceError::Kind::interrupted:
        return LinkErrorKind::interrupted;
    }
    return LinkErrorKind::badResponse;
}

} // namespace

QString LinkError::description() const {
    return std::visit([](const auto& e) { return e.description(); }, error);
}

LinkErrorKind LinkError::kind() const {
    return std::visit([](const auto& e) { return kindOf(e); }, error);
}

} // namespace nerka
