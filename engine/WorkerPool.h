#pragma once

// The worker threads that share the independent items of a loop.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace spln {

// A small process-wide pool of worker threads that share the independent
// items of one loop with the calling thread. The threads are started on first
// use and live until the program ends; handing out a loop allocates nothing.
class WorkerPool {
public:
    // Processes the items begin..end-1 of one loop.
    using RangeFunction = void (*)(void* context, int begin, int end);

    static WorkerPool& Instance();

    // Runs fn over the items 0..count-1 in chunks of the given size, on the
    // workers and the calling thread, and returns when every item is done.
    // Returns false without running anything when the pool has no workers or
    // another thread is using it; the caller then runs the loop itself.
    bool TryRun(int count, int chunk, RangeFunction fn, void* context);

    int WorkerCount() const { return static_cast<int>(m_workers.size()); }

    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

private:
    WorkerPool();
    void WorkerLoop();
    void TakeChunks();

    std::vector<std::thread> m_workers;
    std::mutex m_useMutex;  // one loop at a time

    std::mutex m_mutex;  // guards the fields below
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::uint64_t m_generation = 0;
    int m_busyWorkers = 0;
    bool m_stop = false;

    // The loop being run; written before a generation starts, read by the workers after.
    RangeFunction m_fn = nullptr;
    void* m_context = nullptr;
    int m_count = 0;
    int m_chunk = 1;
    std::atomic<int> m_next{0};
};

}  // namespace spln
