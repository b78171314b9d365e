#include "controller/WebServices.h"

namespace nerka {

QUrl WebServices::baseUrl(const char* defaultBase, const char* envName) {
    const QByteArray fromEnv = qgetenv(envName);
    return QUrl(fromEnv.isEmpty() ? QString::fromLatin1(defaultBase) : QString::fromUtf8(fromEnv));
}

QUrl WebServices::join(const QUrl& base, const char* path) {
    QString text = base.toString();
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    return QUrl(text + QString::fromLatin1(path));
}

QString WebServices::hostName(const QUrl& base) {
    return base.host();
}

} // namespace nerka
