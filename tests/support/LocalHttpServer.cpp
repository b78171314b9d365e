#include "LocalHttpServer.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QMetaObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace nerka::test {

namespace {

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// Sends one response on a socket, honouring the delays, then closes it.
void sendResponse(QTcpSocket* socket, const LocalHttpServer::Response& r) {
    QPointer<QTcpSocket> guard(socket);
    auto sendBody = std::make_shared<std::function<void(qsizetype)>>();
    // The function holds itself weakly (a strong self-reference would never
    // be freed); the pending timer of the next chunk keeps it alive.
    std::weak_ptr<std::function<void(qsizetype)>> self = sendBody;
    *sendBody = [guard, r, self](qsizetype offset) {
        const auto sendBody = self.lock();
        if (!guard || !sendBody)
            return;
        const qsizetype size = r.chunkSize > 0 ? r.chunkSize : r.body.size();
        guard->write(r.body.mid(offset, size));
        const qsizetype next = offset + size;
        if (next >= r.body.size()) {
            guard->flush();
            guard->disconnectFromHost();
            return;
        }
        QTimer::singleShot(r.chunkDelayMs, guard, [sendBody, next] { (*sendBody)(next); });
    };
    QTimer::singleShot(r.delayMs, socket, [guard, r, sendBody] {
        if (!guard)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' +
                          reasonPhrase(r.status) + "\r\nContent-Type: " + r.contentType +
                          "\r\nConnection: close\r\n";
        if (!r.omitLength)
            head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
        head += "\r\n";
        guard->write(head);
        if (r.body.isEmpty()) {
            guard->flush();
            guard->disconnectFromHost();
            return;
        }
        (*sendBody)(0);
    });
}

} // namespace

LocalHttpServer::LocalHttpServer() {
    // The server is made on its own thread, so its sockets and timers live
    // there, and runs that thread's event loop until the destructor ends it.
    m_thread.reset(QThread::create([this] {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                auto buffer = std::make_shared<QByteArray>();
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                    buffer->append(socket->readAll());
                    const qsizetype end = buffer->indexOf("\r\n\r\n");
                    if (end < 0 || buffer->isEmpty())
                        return;
                    const QList<QByteArray> requestLine =
                        buffer->left(buffer->indexOf("\r\n")).split(' ');
                    buffer->clear();
                    const QString path =
                        requestLine.size() >= 2 ? QString::fromLatin1(requestLine[1]) : QString();
                    sendResponse(socket, routeFor(path));
                });
            }
        });
        {
            std::lock_guard lock(m_mutex);
            m_port = server.serverPort();
            m_serverReady = true;
            m_changed.notify_all();
        }
        QEventLoop loop;
        loop.exec();
    }));
    m_thread->setObjectName(QStringLiteral("LocalHttpServer"));
    m_thread->start();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_serverReady; });
}

LocalHttpServer::~LocalHttpServer() {
    m_thread->quit();
    m_thread->wait();
    // Taking the lock orders the server thread's last use of the routes
    // before their destruction here.
    std::lock_guard lock(m_mutex);
}

void LocalHttpServer::setRoute(const QString& path, const Response& response) {
    std::lock_guard lock(m_mutex);
    m_routes.insert(path, response);
}

LocalHttpServer::Response LocalHttpServer::routeFor(const QString& path) {
    std::lock_guard lock(m_mutex);
    m_requests[path] += 1;
    auto it = m_routes.constFind(path);
    if (it != m_routes.constEnd())
        return *it;
    Response notFound;
    notFound.status = 404;
    notFound.body = "not found";
    return notFound;
}

QUrl LocalHttpServer::baseUrl() const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
}

QUrl LocalHttpServer::url(const QString& path) const {
    return QUrl(baseUrl().toString() + path);
}

int LocalHttpServer::requestCount(const QString& path) const {
    std::lock_guard lock(m_mutex);
    return m_requests.value(path);
}

quint16 unusedLoopbackPort() {
    // Bind, note the port, close: nothing listens there afterwards.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace nerka::test
