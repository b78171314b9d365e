#include "ui/editors/DMRFiguresWorker.h"

#include "dmrdb/DMRFlashFormat.h"

namespace nerka {

DMRFiguresWorker::DMRFiguresWorker(QObject* parent) : QObject(parent) {
    m_thread = std::thread([this] { run(); });
}

DMRFiguresWorker::~DMRFiguresWorker() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
    // Results posted before the join are dropped with this object's events.
}

void DMRFiguresWorker::requestOutcome(const DMRUserEntryList& entries, qsizetype capacity,
                                      const DMRSelection& selection) {
    OutcomeJob job{++m_outcomeAsked, entries, capacity, selection};
    {
        std::lock_guard lock(m_mutex);
        m_outcomeJob = std::move(job);
    }
    m_wake.notify_one();
}

void DMRFiguresWorker::requestSearch(const DMRUserEntryList& entries, const QString& query,
                                     qsizetype limit) {
    SearchJob job{++m_searchAsked, entries, query, limit};
    {
        std::lock_guard lock(m_mutex);
        m_searchJob = std::move(job);
    }
    m_wake.notify_one();
}

void DMRFiguresWorker::run() {
    for (;;) {
        std::optional<OutcomeJob> outcome;
        std::optional<SearchJob> search;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || m_outcomeJob || m_searchJob; });
            if (m_stop)
                return;
            // The figures first: they are quick once the list is sorted.
            if (m_outcomeJob)
                outcome = std::exchange(m_outcomeJob, std::nullopt);
            else
                search = std::exchange(m_searchJob, std::nullopt);
        }
        if (outcome)
            work(*outcome);
        else
            work(*search);
    }
}

void DMRFiguresWorker::work(const OutcomeJob& job) {
    if (!job.entries.sharesStorageWith(m_sortedFor)) {
        m_sortedFor = DMRUserEntryList();
        m_sortedIds = receivableEntries(job.entries).ids;
        m_sortedFor = job.entries;
    }
    DMRSelectionOutcome outcome = selectForRadio(m_sortedIds, job.capacity, job.selection);
    QMetaObject::invokeMethod(
        this,
        [this, generation = job.generation, outcome = std::move(outcome)] {
            if (generation != m_outcomeAsked)
                return;
            m_outcomeShown = generation;
            Q_EMIT outcomeReady(outcome);
        },
        Qt::QueuedConnection);
}

void DMRFiguresWorker::work(const SearchJob& job) {
    DMRUserSearch::Result result = DMRUserSearch::find(job.entries, job.query, job.limit);
    QMetaObject::invokeMethod(
        this,
        [this, generation = job.generation, entries = job.entries, query = job.query,
         result = std::move(result)] {
            if (generation == m_searchAsked)
                Q_EMIT searchReady(entries, query, result);
        },
        Qt::QueuedConnection);
}

} // namespace nerka
