#include "io/OrderedWorkPool.h"

#include <algorithm>
#include <atomic>
#include <QtGlobal>
#include <thread>

namespace {
std::atomic<int> chosenWorkerCount { 0 };
// How far past the oldest uncommitted item work may start: enough to keep every worker busy
// while one item takes longer, without holding many finished results.
constexpr qsizetype itemsAheadPerWorker = 2;

// The batch item whose work runs on this thread.
struct CurrentItem
{
    OrderedWorkPool* pool = nullptr;
    qsizetype index = 0;
};
thread_local CurrentItem currentItem;
thread_local int parallelWorkerScopes = 0;
} // namespace

OrderedWorkPool::OrderedWorkPool(qint64 budgetBytes)
    : m_budget(budgetBytes)
{ }

int OrderedWorkPool::workerCount()
{
    // TESSERLY_DECODE_THREADS lets a benchmark compare counts on the same machine.
    static const int fromEnvironment = qEnvironmentVariableIntValue("TESSERLY_DECODE_THREADS");
    const int chosen = chosenWorkerCount.load();
    if (chosen > 0) {
        return chosen;
    }
    return fromEnvironment > 0 ? fromEnvironment : std::max(1, int(std::thread::hardware_concurrency()));
}

void OrderedWorkPool::setWorkerCount(int count)
{
    chosenWorkerCount.store(std::max(0, count));
}

void OrderedWorkPool::run(
    qsizetype count, const std::function<void(qsizetype)>& work, const std::function<bool(qsizetype)>& commit)
{
    const qsizetype workers = std::min<qsizetype>(workerCount(), count);
    if (workers <= 1) {
        for (qsizetype index = 0; index < count; ++index) {
            work(index);
            if (!commit(index)) {
                break;
            }
        }
        return;
    }
    m_parallel = true;
    m_window = workers * itemsAheadPerWorker;
    m_held.assign(std::size_t(count), 0);
    m_done.assign(std::size_t(count), 0);
    m_failures.assign(std::size_t(count), nullptr);
    std::vector<std::thread> threads;
    threads.reserve(std::size_t(workers));
    for (qsizetype worker = 0; worker < workers; ++worker) {
        threads.emplace_back([this, count, &work] { this->work(count, work); });
    }
    std::exception_ptr failure;
    for (qsizetype index = 0; index < count && !failure; ++index) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_done[std::size_t(index)] != 0; });
        failure = m_failures[std::size_t(index)];
        lock.unlock();
        bool goOn = false;
        if (!failure) {
            try {
                goOn = commit(index);
            } catch (...) {
                failure = std::current_exception();
            }
        }
        lock.lock();
        m_used -= m_held[std::size_t(index)];
        m_held[std::size_t(index)] = 0;
        m_frontier = index + 1;
        m_changed.notify_all();
        if (!goOn) {
            break;
        }
    }
    {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
        m_changed.notify_all();
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void OrderedWorkPool::work(qsizetype count, const std::function<void(qsizetype)>& work)
{
    for (;;) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_ended || m_next >= count || m_next < m_frontier + m_window; });
        if (m_ended || m_next >= count) {
            return;
        }
        const qsizetype index = m_next++;
        lock.unlock();
        std::exception_ptr failure;
        currentItem = { this, index };
        const WorkerScope scope;
        try {
            work(index);
        } catch (...) {
            failure = std::current_exception();
        }
        currentItem = {};
        lock.lock();
        m_failures[std::size_t(index)] = failure;
        m_done[std::size_t(index)] = 1;
        m_changed.notify_all();
    }
}

bool OrderedWorkPool::admits(qsizetype index, qint64 bytes) const
{
    return m_ended || index == m_frontier || m_used + bytes <= m_budget;
}

void OrderedWorkPool::reserve(qsizetype index, qint64 bytes)
{
    if (!m_parallel) {
        if (currentItem.pool && currentItem.pool != this) {
            currentItem.pool->reserve(currentItem.index, bytes);
        }
        return;
    }
    if (bytes <= 0) {
        return;
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return admits(index, bytes); });
    m_used += bytes;
    m_held[std::size_t(index)] += bytes;
}

void OrderedWorkPool::release(qsizetype index, qint64 bytes)
{
    if (!m_parallel) {
        if (currentItem.pool && currentItem.pool != this) {
            currentItem.pool->release(currentItem.index, bytes);
        }
        return;
    }
    const std::lock_guard lock(m_mutex);
    bytes = std::min(bytes, m_held[std::size_t(index)]);
    m_held[std::size_t(index)] -= bytes;
    m_used -= bytes;
    m_changed.notify_all();
}

OrderedWorkPool::Reservation::Reservation(qint64 bytes)
    : m_pool(currentItem.pool)
    , m_index(currentItem.index)
    , m_bytes(bytes)
{
    if (m_pool) {
        m_pool->reserve(m_index, m_bytes);
    }
}

OrderedWorkPool::Reservation::~Reservation()
{
    if (m_pool) {
        m_pool->release(m_index, m_bytes);
    }
}

bool OrderedWorkPool::onParallelWorker()
{
    return parallelWorkerScopes > 0;
}

OrderedWorkPool::WorkerScope::WorkerScope()
{
    ++parallelWorkerScopes;
}

OrderedWorkPool::WorkerScope::~WorkerScope()
{
    --parallelWorkerScopes;
}
