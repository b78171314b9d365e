#include "controller/Download.h"

#include "LocalHttpServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkAccessManager>

#include <gtest/gtest.h>

#include <optional>

using namespace nerka;

namespace {

// Runs one download to its end on this thread's event loop.
struct Fetch {
    QNetworkAccessManager network;
    QObject context;
    std::optional<Download::Result> result;
    QList<qint64> progress;
    QNetworkReply* reply = nullptr;

    void start(const QUrl& url, qint64 maxBytes, int timeoutMs = 5000) {
        reply = Download::start(
            network, url, maxBytes, timeoutMs, &context,
            [this](qint64 received, qint64) { progress.append(received); },
            [this](const Download::Result& r) { result = r; });
    }
    void wait() {
        QElapsedTimer clock;
        clock.start();
        while (!result && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ASSERT_TRUE(result.has_value());
    }
};

} // namespace

TEST(Download, BodyProgressAndTheLimitOnEveryPiece) {
    test::LocalHttpServer server;
    const QByteArray body(64 * 1024, 'k');
    server.setRoute(QStringLiteral("/ok"), {.body = body, .chunkSize = 8192, .chunkDelayMs = 5});
    // No announced length: only the pieces as they arrive can tell the size.
    server.setRoute(QStringLiteral("/big"), {.body = QByteArray(256 * 1024, 'b'),
                                             .chunkSize = 4096,
                                             .chunkDelayMs = 5,
                                             .omitLength = true});
    server.setRoute(QStringLiteral("/gone"), {.status = 404, .body = "nothing here"});

    Fetch ok;
    ok.start(server.url(QStringLiteral("/ok")), body.size());
    ok.wait();
    EXPECT_TRUE(ok.result->ok());
    EXPECT_EQ(ok.result->body, body) << "exactly the limit is allowed";
    ASSERT_FALSE(ok.progress.isEmpty());
    EXPECT_EQ(ok.progress.last(), body.size());

    Fetch big;
    big.start(server.url(QStringLiteral("/big")), 32 * 1024);
    big.wait();
    EXPECT_TRUE(big.result->tooLarge);
    EXPECT_TRUE(big.result->body.isEmpty());
    EXPECT_FALSE(big.result->ok());
    EXPECT_TRUE(big.progress.isEmpty() || big.progress.last() <= 64 * 1024)
        << "abandoned soon after the limit, not at the end";

    Fetch gone;
    gone.start(server.url(QStringLiteral("/gone")), 1024);
    gone.wait();
    EXPECT_TRUE(gone.result->httpFailed());
    EXPECT_EQ(gone.result->httpStatus, 404);
}

TEST(Download, CancellationAndTimeoutAreToldApart) {
    test::LocalHttpServer server;
    server.setRoute(QStringLiteral("/slow"), {.body = "late", .delayMs = 2000});

    Fetch cancelled;
    cancelled.start(server.url(QStringLiteral("/slow")), 1024);
    Download::cancel(cancelled.reply);
    cancelled.wait();
    EXPECT_TRUE(cancelled.result->cancelled);
    EXPECT_FALSE(cancelled.result->timedOut);
    EXPECT_FALSE(cancelled.result->ok());

    Fetch stalled;
    stalled.start(server.url(QStringLiteral("/slow")), 1024, 200);
    stalled.wait();
    EXPECT_TRUE(stalled.result->timedOut);
    EXPECT_FALSE(stalled.result->cancelled);
}
