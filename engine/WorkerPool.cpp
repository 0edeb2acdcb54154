// The worker threads and how one loop is shared among them.

#include "engine/WorkerPool.h"

#include <algorithm>

namespace spln {

namespace {
constexpr unsigned kMaxWorkers = 15;
}

WorkerPool& WorkerPool::Instance()
{
    static WorkerPool pool;
    return pool;
}

WorkerPool::WorkerPool()
{
    const unsigned cores = std::thread::hardware_concurrency();
    const unsigned workers = cores > 1 ? std::min(cores - 1, kMaxWorkers) : 0;
    m_workers.reserve(workers);
    for (unsigned i = 0; i < workers; ++i)
        m_workers.emplace_back([this] { WorkerLoop(); });
}

WorkerPool::~WorkerPool()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
}

void WorkerPool::TakeChunks()
{
    for (;;) {
        const int begin = m_next.fetch_add(m_chunk, std::memory_order_relaxed);
        if (begin >= m_count)
            return;
        m_fn(m_context, begin, std::min(begin + m_chunk, m_count));
    }
}

void WorkerPool::WorkerLoop()
{
    std::uint64_t seen = 0;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [&] { return m_stop || m_generation != seen; });
        if (m_stop)
            return;
        seen = m_generation;
        lock.unlock();
        TakeChunks();
        lock.lock();
        if (--m_busyWorkers == 0)
            m_done.notify_one();
    }
}

bool WorkerPool::TryRun(int count, int chunk, RangeFunction fn, void* context)
{
    if (m_workers.empty())
        return false;
    std::unique_lock<std::mutex> use(m_useMutex, std::try_to_lock);
    if (!use.owns_lock())
        return false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_fn = fn;
        m_context = context;
        m_count = count;
        m_chunk = std::max(1, chunk);
        m_next.store(0, std::memory_order_relaxed);
        m_busyWorkers = static_cast<int>(m_workers.size());
        ++m_generation;
    }
    m_wake.notify_all();
    TakeChunks();
    std::unique_lock<std::mutex> lock(m_mutex);
    m_done.wait(lock, [&] { return m_busyWorkers == 0; });
    return true;
}

}  // namespace spln
