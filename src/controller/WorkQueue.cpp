#include "controller/WorkQueue.h"

#include <pthread.h>

namespace nerka {

WorkQueue::WorkQueue(QString label) : m_label(std::move(label)) {
    m_thread = std::thread([this] { run(); });
}

WorkQueue::~WorkQueue() {
    shutdown();
}

void WorkQueue::post(std::function<void()> task) {
    {
        std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
        m_tasks.push_back(std::move(task));
    }
    m_wake.notify_one();
}

void WorkQueue::shutdown() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_tasks.clear();
    }
    m_wake.notify_all();
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

void WorkQueue::run() {
    // Thread names are limited to 15 characters; keep the label's tail.
    const QByteArray name = m_label.right(15).toUtf8();
    pthread_setname_np(pthread_self(), name.constData());
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_tasks.empty(); });
            if (m_stopping)
                return;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task();
    }
}

} // namespace nerka
