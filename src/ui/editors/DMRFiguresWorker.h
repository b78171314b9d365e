#pragma once

#include "dmrdb/DMRSelection.h"
#include "dmrdb/DMRUserEntryList.h"
#include "dmrdb/DMRUserSearch.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

namespace nerka {

// The slow figures of the DMR database screen, worked out on a thread of its
// own so that editing the selection or typing a search never stalls the
// window with a million entries: what a selection takes from the list (the
// list sorted by ID is kept between requests for the same list), and the
// entries a search finds. The newest request of each kind replaces one still
// waiting, and a result that a newer request has overtaken is dropped, so
// the screen shows the answer to what it asked last.
//
// Requests and results are on the thread that owns the object (the
// interface thread); the work thread only sees its own copies of the lists,
// which share their storage and are read only.
class DMRFiguresWorker : public QObject {
    Q_OBJECT
public:
    explicit DMRFiguresWorker(QObject* parent = nullptr);
    // Waits for a computation that is running (tens of milliseconds at most).
    ~DMRFiguresWorker() override;

    void requestOutcome(const DMRUserEntryList& entries, qsizetype capacity,
                        const DMRSelection& selection);
    void requestSearch(const DMRUserEntryList& entries, const QString& query, qsizetype limit);

    // Whether the last outcome asked for has not arrived yet.
    [[nodiscard]] bool outcomePending() const { return m_outcomeAsked != m_outcomeShown; }

Q_SIGNALS:
    void outcomeReady(const nerka::DMRSelectionOutcome& outcome);
    // `entries` is the list the rows of `result` index.
    void searchReady(const nerka::DMRUserEntryList& entries, const QString& query,
                     const nerka::DMRUserSearch::Result& result);

private:
    struct OutcomeJob {
        std::uint64_t generation = 0;
        DMRUserEntryList entries;
        qsizetype capacity = 0;
        DMRSelection selection;
    };
    struct SearchJob {
        std::uint64_t generation = 0;
        DMRUserEntryList entries;
        QString query;
        qsizetype limit = 0;
    };

    void run();
    void work(const OutcomeJob& job);
    void work(const SearchJob& job);

    // Interface thread only.
    std::uint64_t m_outcomeAsked = 0;
    std::uint64_t m_outcomeShown = 0;
    std::uint64_t m_searchAsked = 0;

    // Shared, under m_mutex.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<OutcomeJob> m_outcomeJob;
    std::optional<SearchJob> m_searchJob;
    bool m_stop = false;

    // Work thread only: the sorted IDs of the last list asked about.
    DMRUserEntryList m_sortedFor;
    std::vector<std::uint32_t> m_sortedIds;

    std::thread m_thread; // last: starts after the members above exist
};

} // namespace nerka
