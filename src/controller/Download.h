#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QString>

#include <functional>

class QNetworkAccessManager;
class QObject;
class QUrl;

namespace nerka {

// The one way Nerka fetches a body over HTTP (the DMR ID list, keps, the
// SatNOGS transmitters). Redirects are followed only when they keep the
// scheme as safe, TLS certificate errors are never ignored, and the body is
// held in memory only up to a size limit: the announced length and every
// piece as it arrives are checked against it, and a body that would grow past
// it is abandoned at once. Used on the thread of the access manager.
class Download {
public:
    struct Result {
        QByteArray body;        // what arrived; empty when too large or cancelled
        bool tooLarge = false;  // the body passed the limit and was abandoned
        bool cancelled = false; // cancel() ended it
        bool timedOut = false;  // it stalled beyond the transfer timeout
        int httpStatus = -1;    // the HTTP status, −1 when no answer came
        QNetworkReply::NetworkError error = QNetworkReply::NoError;
        QString errorText; // the transport's text for `error`

        // A complete 2xx answer within the limit.
        [[nodiscard]] bool ok() const {
            return !tooLarge && !cancelled && error == QNetworkReply::NoError &&
                   httpStatus >= 200 && httpStatus <= 299;
        }
        // An answer with a status outside 2xx (as opposed to no answer at all).
        [[nodiscard]] bool httpFailed() const {
            return httpStatus >= 0 && (httpStatus < 200 || httpStatus > 299);
        }
    };
    // Bytes received so far and the announced total (−1 or 0 when unknown).
    using Progress = std::function<void(qint64 received, qint64 total)>;
    using Done = std::function<void(const Result& result)>;

    // Starts a GET of `url`. `progress` runs as the body arrives, `done` once
    // when it ends; neither runs once `context` is gone. `timeoutMs` 0 waits
    // for ever. Returns the reply (owned by the access manager, deleted after
    // `done`), to tell whether it still runs and to cancel it.
    static QNetworkReply* start(QNetworkAccessManager& network, const QUrl& url, qint64 maxBytes,
                                int timeoutMs, QObject* context, Progress progress, Done done);

    // Ends a running download; its `done` reports `cancelled`.
    static void cancel(QNetworkReply* reply);
};

} // namespace nerka
