#include "controller/RepeaterDownload.h"

#include "controller/Download.h"
#include "controller/WebServices.h"

#include <QCoreApplication>
#include <QUrlQuery>

#include <memory>

namespace nerka {

namespace {

QUrl pageUrl(const QUrl& url, int page) {
    QUrl paged = url;
    QUrlQuery query(url);
    query.removeAllQueryItems(QStringLiteral("page"));
    query.addQueryItem(QStringLiteral("page"), QString::number(page));
    paged.setQuery(query);
    return paged;
}

QString failureText(const Download::Result& result, const QUrl& url) {
    if (result.tooLarge)
        return QCoreApplication::translate("RepeaterDownload",
                                           "The repeater list at %1 is larger than %2 MB.")
            .arg(url.toDisplayString())
            .arg(WebServices::kRepeatersMaxBytes / (1024 * 1024));
    if (result.timedOut)
        return QCoreApplication::translate("RepeaterDownload",
                                           "The repeater list at %1 did not arrive in time.")
            .arg(url.toDisplayString());
    if (result.httpFailed())
        return QCoreApplication::translate("RepeaterDownload",
                                           "The repeater list at %1 was refused (HTTP %2).")
            .arg(url.toDisplayString())
            .arg(result.httpStatus);
    return QCoreApplication::translate(
               "RepeaterDownload", "The repeater list at %1 could not be fetched: %2. Without a "
                                   "connection, save the list as a file and give its path instead.")
        .arg(url.toDisplayString(), result.errorText);
}

// The state of one fetch, shared by the answers' callbacks.
struct Fetch {
    QNetworkAccessManager* network = nullptr;
    QUrl url;
    int timeoutMs = 0;
    QObject* context = nullptr;
    RepeaterDownload::Done done;
    RepeaterDownload::Result result;
};

void fetchPage(const std::shared_ptr<Fetch>& fetch, int page) {
    const QUrl url = page == 1 ? fetch->url : pageUrl(fetch->url, page);
    ++fetch->result.requests;
    Download::start(*fetch->network, url, WebServices::kRepeatersMaxBytes, fetch->timeoutMs,
                    fetch->context, {}, [fetch, page, url](const Download::Result& answer) {
                        if (!answer.ok()) {
                            fetch->result.read.failure = failureText(answer, url);
                            fetch->done(fetch->result);
                            return;
                        }
                        DirectoryRead read = readRepeaterDirectory(answer.body);
                        if (!read.failure.isEmpty()) {
                            fetch->result.read.failure = read.failure;
                            fetch->done(fetch->result);
                            return;
                        }
                        DirectoryRead& all = fetch->result.read;
                        if (page == 1) {
                            all = std::move(read);
                        } else {
                            // Positions count on across the pages.
                            const int offset = all.repeaters.size() + all.skipped.size();
                            for (DirectoryRepeater& r : read.repeaters) {
                                r.line += offset;
                                all.repeaters.append(std::move(r));
                            }
                            for (SkippedCsvRow& row : read.skipped) {
                                row.line += offset;
                                all.skipped.append(std::move(row));
                            }
                        }
                        const int pages = std::min(all.pages, WebServices::kRepeaterPagesMax);
                        if (page < pages) {
                            fetchPage(fetch, page + 1);
                            return;
                        }
                        fetch->done(fetch->result);
                    });
}

} // namespace

void RepeaterDownload::fetch(QNetworkAccessManager& network, const QUrl& url, int timeoutMs,
                             QObject* context, Done done) {
    auto state = std::make_shared<Fetch>();
    state->network = &network;
    state->url = url;
    state->timeoutMs = timeoutMs;
    state->context = context;
    state->done = std::move(done);
    fetchPage(state, 1);
}

} // namespace nerka
