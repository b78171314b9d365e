#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QThread>
#include <QUrl>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace nerka::test {

// A small HTTP/1.1 server on 127.0.0.1 for download tests. It runs on its own
// thread, so a test may block the main thread or the controller's work queue
// while a reply is on its way. Nothing ever leaves the loopback interface.
class LocalHttpServer {
public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/plain";
        int delayMs = 0;         // before the status line is sent
        int chunkSize = 0;       // 0: the body in one piece
        int chunkDelayMs = 0;    // pause between chunks of a slow body
        bool omitLength = false; // no Content-Length (the client learns the size at the end)
    };

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // Answers GET requests for `path` (the path and query as sent, e.g.
    // "/api/transmitters/?format=json"). Unknown paths get 404.
    void setRoute(const QString& path, const Response& response);
    // http://127.0.0.1:PORT
    [[nodiscard]] QUrl baseUrl() const;
    [[nodiscard]] QUrl url(const QString& path) const;
    [[nodiscard]] int requestCount(const QString& path) const;

private:
    friend class LocalHttpServerWorker;
    Response routeFor(const QString& path);

    // Standard primitives rather than Qt's, so ThreadSanitizer sees the
    // hand-over between the test thread and the server thread.
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_serverReady = false;
    QHash<QString, Response> m_routes;
    QHash<QString, int> m_requests;
    std::unique_ptr<QThread> m_thread; // runs the server and its event loop
    quint16 m_port = 0;
};

// A loopback port on which nothing listens, for "connection refused".
[[nodiscard]] quint16 unusedLoopbackPort();

} // namespace nerka::test
