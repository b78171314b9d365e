#pragma once

#include "link/LinkError.h"

#include <QMetaType>
#include <QString>

#include <optional>

namespace nerka {

// The operations of the controller that end later than they are asked for:
// those that talk to the radio, and the file and network work on the DMR
// database and the keps. Each one started ends with exactly one
// RadioController::finished carrying its result.
enum class DeviceOperation {
    connect,
    readCodeplug,
    writeCodeplug,
    verifyWrite, // the read-back after a write, once the radio is connected again
    writeDmrDatabase,
    readDmrDatabase,
    countDmrDatabase,
    disconnect,          // the user's disconnect: after whatever runs on the queue; never fails
    importDmrDatabase,   // from a CSV file
    downloadDmrDatabase, // from the ID service
    exportDmrDatabase,   // to a CSV file
    loadKeps,            // from a file or the keps service, with the SatNOGS frequencies
};

// Why a device operation did not succeed.
enum class OperationErrorKind {
    none,         // it succeeded, or there was nothing to do
    busy,         // another device operation was running; nothing was started
    notConnected, // no radio (or it went away before the work ran)
    refused,      // a precondition failed before anything was sent (no port, wrong family, …)
    link,         // the link failed: `linkError` says how
    file,         // a file could not be read or written (the backup, an import), or holds
                  // nothing usable
    network,      // a download failed, was too large, or brought nothing usable
    mismatch,     // the read-back found other bytes on the radio than were written
};

// How a device operation ended: success, or the kind of failure and the text
// the user was shown (the controller's error report, also in the log).
struct OperationResult {
    DeviceOperation operation = DeviceOperation::connect;
    OperationErrorKind error = OperationErrorKind::none;
    std::optional<LinkErrorKind> linkError; // set exactly when a link error caused the failure
    QString text;                           // empty on success

    [[nodiscard]] bool ok() const { return error == OperationErrorKind::none; }

    static OperationResult success(DeviceOperation operation) { return {operation, {}, {}, {}}; }
    static OperationResult failure(DeviceOperation operation, OperationErrorKind error,
                                   QString text) {
        return {operation, error, std::nullopt, std::move(text)};
    }
    // A failure caused by `cause`; `text` defaults to its description.
    static OperationResult linkFailure(DeviceOperation operation, const LinkError& cause,
                                       std::optional<QString> text = std::nullopt) {
        return {operation, OperationErrorKind::link, cause.kind(),
                text.value_or(cause.description())};
    }

    friend bool operator==(const OperationResult&, const OperationResult&) = default;
};

} // namespace nerka

Q_DECLARE_METATYPE(nerka::OperationResult)
