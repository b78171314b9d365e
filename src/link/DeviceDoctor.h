#pragma once

#include "link/LinkError.h"
#include "link/SystemView.h"

#include <QList>
#include <QString>

#include <optional>

namespace nerka {

// What one check of the device doctor found.
struct DoctorFinding {
    enum class Check {
        radioPresent,    // a device with the radio's USB identity, and its serial port
        portAccess,      // owner, group and mode of the port; may this user open it
        groupMembership, // is the user in the port's group, in this login too
        portBusy,        // does another program hold the port
        udevRule,        // is a rule for the radio's USB identity installed
        modemManager,    // ModemManager probes new serial ports
        brltty,          // brltty claims some USB serial devices
    };
    enum class Severity {
        ok,      // a fact that is as it should be
        note,    // not a fault now, but worth knowing
        problem, // keeps the program from the radio
    };

    Check check;
    Severity severity;
    QString summary; // one sentence: what was found
    QString fix;     // what to do about it; empty when nothing needs doing
};

// Explains why no radio is usable and how to fix it, from facts of this
// machine. Every check is a plain function of a SystemView, so each runs on
// a hand-built view in tests. The doctor's text goes beside the controller's
// own error message, never instead of it.
class DeviceDoctor {
public:
    // What the doctor is asked about: the port a connection tried and the
    // kind of error it failed with (empty and none when asked without a failure).
    struct Question {
        QString portPath;
        std::optional<LinkErrorKind> error;
    };

    // True for the open failures the doctor can explain: the port refused
    // for lack of permission, held by another program, or gone. (That no
    // radio is found at all, the caller sees from an empty port list.)
    [[nodiscard]] static bool explains(LinkErrorKind error);

    // Runs every check; problems come first, then notes, then what is fine.
    [[nodiscard]] static QList<DoctorFinding> diagnose(const SystemView& view,
                                                       const Question& question = {});

    // The findings as plain text, one block per finding ("[problem] …" with
    // an indented "Fix: …" line), and a closing line counting the problems.
    [[nodiscard]] static QString report(const QList<DoctorFinding>& findings);
    // Only the problems and their fixes, for showing beside an error; empty
    // when there are none.
    [[nodiscard]] static QString advice(const QList<DoctorFinding>& findings);

    // For the window, each from a fresh look at this machine (no trial open;
    // it reads /sys and /proc, a matter of milliseconds): the advice after a
    // connection to portPath failed with an error of kind `error`, empty when
    // the doctor does not explain that kind or finds nothing; and the advice
    // while no radio is listed at all.
    [[nodiscard]] static QString adviceOnFailure(const QString& portPath, LinkErrorKind error);
    [[nodiscard]] static QString adviceWithoutRadio();

    // The checks one by one. The port check returns one finding on access and
    // more on trouble (group, busy, a failing open).
    [[nodiscard]] static DoctorFinding checkRadioPresent(const SystemView& view);
    [[nodiscard]] static QList<DoctorFinding>
    checkPort(const SystemView& view, const QString& portPath,
              const std::optional<LinkErrorKind>& error = std::nullopt);
    [[nodiscard]] static DoctorFinding checkUdevRule(const SystemView& view);
    [[nodiscard]] static DoctorFinding checkModemManager(const SystemView& view);
    [[nodiscard]] static DoctorFinding checkBrltty(const SystemView& view);

    // The ports the doctor looks at: the one asked about, else every radio's port.
    [[nodiscard]] static QStringList portsToCheck(const SystemView& view, const QString& portPath);
};

} // namespace nerka
