#pragma once

#include "directory/RepeaterDirectory.h"

#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QObject;

namespace nerka {

// A repeater list fetched from an address: the first answer, and when it is
// a page of a paged answer ("pages" > 1) every further page, asked for with
// its number in the "page" query item, one after the other. Every answer goes
// through the size-capped Download.
class RepeaterDownload {
public:
    struct Result {
        DirectoryRead read; // the repeaters of every page; `failure` set when it failed
        int requests = 0;   // answers asked for
    };
    using Done = std::function<void(const Result& result)>;

    // Starts the fetch; `done` runs once, on the access manager's thread,
    // never after `context` is gone.
    static void fetch(QNetworkAccessManager& network, const QUrl& url, int timeoutMs,
                      QObject* context, Done done);
};

} // namespace nerka
