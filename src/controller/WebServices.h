#pragma once

#include <QString>
#include <QUrl>

namespace nerka {

// The three web services and their fixed paths. The base URLs can be replaced
// through the environment (tests point them at a server on 127.0.0.1).
struct WebServices {
    static constexpr const char* kDmrIdBase = "https://radioid.net";
    static constexpr const char* kDmrIdPath = "/static/user.csv";
    static constexpr const char* kDmrIdEnv = "NERKA_DMRID_URL";

    static constexpr const char* kKepsBase = "https://www.amsat.org";
    static constexpr const char* kKepsPath = "/tle/current/nasa.all";
    static constexpr const char* kKepsEnv = "NERKA_KEPS_URL";

    static constexpr const char* kSatnogsBase = "https://db.satnogs.org";
    static constexpr const char* kSatnogsPath = "/api/transmitters/?format=json";
    static constexpr const char* kSatnogsEnv = "NERKA_SATNOGS_URL";

    // Bodies larger than these are abandoned and reported as failed downloads.
    static constexpr qint64 kDmrIdMaxBytes = 64ll * 1024 * 1024;
    static constexpr qint64 kKepsMaxBytes = 16ll * 1024 * 1024;
    static constexpr qint64 kSatnogsMaxBytes = 16ll * 1024 * 1024;
    // One answer of a repeater directory (the whole DMR repeater list is a
    // few megabytes).
    static constexpr qint64 kRepeatersMaxBytes = 32ll * 1024 * 1024;
    // Pages of a paged answer followed at most.
    static constexpr int kRepeaterPagesMax = 200;

    // The base URL: the environment variable when set, else the default.
    [[nodiscard]] static QUrl baseUrl(const char* defaultBase, const char* envName);
    // base + path, keeping a path prefix of the base ("http://h:1/x" + "/a" = "http://h:1/x/a").
    [[nodiscard]] static QUrl join(const QUrl& base, const char* path);
    // The host name shown in log lines ("radioid.net").
    [[nodiscard]] static QString hostName(const QUrl& base);
};

} // namespace nerka
