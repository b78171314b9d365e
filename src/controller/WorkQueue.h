#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace nerka {

// A serial work queue: one thread that runs posted tasks strictly one after the
// other, in the order posted. The thread runs no event loop, so a task can
// never run inside another one; a task that must wait for something (a reply
// from the network) waits on a one-shot signal, not on an event loop.
//
// Destroying the queue discards the tasks that have not started and waits for
// the running one to finish, so no task outlives the object that owns the queue.
class WorkQueue {
public:
    explicit WorkQueue(QString label);
    ~WorkQueue();
    WorkQueue(const WorkQueue&) = delete;
    WorkQueue& operator=(const WorkQueue&) = delete;

    // Appends a task. After shutdown() the task is dropped.
    void post(std::function<void()> task);

    // Drops pending tasks, lets the running one finish and joins the thread.
    // Idempotent.
    void shutdown();

private:
    void run();

    const QString m_label;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_tasks;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace nerka
