#pragma once

#include <QMetaType>
#include <QString>

namespace nerka {

// What the controller is doing. `working` carries the text shown to the user
// ("Connecting…", "Reading codeplug…", "Writing changes…", …).
struct ControllerStatus {
    enum class Kind { working, disconnected, connected };

    Kind kind = Kind::disconnected;
    QString text; // only meaningful for `working`

    static ControllerStatus working(QString text) { return {Kind::working, std::move(text)}; }
    static ControllerStatus disconnected() { return {Kind::disconnected, {}}; }
    static ControllerStatus connected() { return {Kind::connected, {}}; }

    [[nodiscard]] bool isWorking() const { return kind == Kind::working; }
    [[nodiscard]] bool isConnected() const { return kind == Kind::connected; }
    [[nodiscard]] bool isDisconnected() const { return kind == Kind::disconnected; }

    // Equal cases are equal; two `working` values also need equal texts.
    friend bool operator==(const ControllerStatus& a, const ControllerStatus& b) {
        return a.kind == b.kind && (a.kind != Kind::working || a.text == b.text);
    }
};

} // namespace nerka

Q_DECLARE_METATYPE(nerka::ControllerStatus)
