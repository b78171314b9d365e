#include "controller/Download.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>

#include <memory>

namespace nerka {

namespace {

const char* const kCancelledProperty = "nerkaDownloadCancelled";

// The body as it arrives, kept out of the reply's own buffer so that the
// limit applies to what is really held.
struct Arriving {
    QByteArray bytes;
    bool tooLarge = false;
};

} // namespace

QNetworkReply* Download::start(QNetworkAccessManager& network, const QUrl& url, qint64 maxBytes,
                               int timeoutMs, QObject* context, Progress progress, Done done) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    if (timeoutMs > 0)
        request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = network.get(request);
    auto arriving = std::make_shared<Arriving>();

    const auto abandonAbove = [reply, arriving, maxBytes](qint64 size) {
        if (size <= maxBytes || arriving->tooLarge)
            return;
        arriving->tooLarge = true;
        arriving->bytes = QByteArray();
        reply->abort(); // finishes the reply at once
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, context, [reply, abandonAbove] {
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (announced.isValid())
            abandonAbove(announced.toLongLong());
    });
    QObject::connect(reply, &QNetworkReply::readyRead, context, [reply, arriving, abandonAbove] {
        if (arriving->tooLarge)
            return;
        arriving->bytes.append(reply->readAll());
        abandonAbove(arriving->bytes.size());
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, context,
                     [arriving, abandonAbove, progress](qint64 received, qint64 total) {
                         abandonAbove(std::max(received, total));
                         if (!arriving->tooLarge && progress)
                             progress(received, total);
                     });
    QObject::connect(
        reply, &QNetworkReply::finished, context, [reply, arriving, abandonAbove, context, done] {
            QObject::disconnect(reply, nullptr, context, nullptr);
            reply->deleteLater();
            if (!arriving->tooLarge && reply->isOpen()) {
                arriving->bytes.append(reply->readAll());
                abandonAbove(arriving->bytes.size());
            }
            Result result;
            result.tooLarge = arriving->tooLarge;
            result.cancelled = reply->property(kCancelledProperty).toBool();
            const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
            result.httpStatus = status.isValid() ? status.toInt() : -1;
            result.error = reply->error();
            result.errorText = reply->errorString();
            // The client ends a transfer that stalls beyond the transfer timeout
            // as "Operation canceled"; nobody cancelled it.
            result.timedOut = !result.cancelled && !result.tooLarge &&
                              result.error == QNetworkReply::OperationCanceledError;
            if (!result.tooLarge && !result.cancelled)
                result.body = std::move(arriving->bytes);
            if (done)
                done(result);
        });
    return reply;
}

void Download::cancel(QNetworkReply* reply) {
    if (!reply || !reply->isRunning())
        return;
    reply->setProperty(kCancelledProperty, true);
    reply->abort();
}

} // namespace nerka
