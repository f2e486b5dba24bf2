#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <QtGlobal>
#include <vector>

// Runs the items of one batch on a few threads and hands their results back strictly in input
// order, so a batch ends exactly as if its items had been done one after another.
//
// Items start in input order. Each item runs work(index) on a worker; commit(index) then runs on
// the calling thread, item after item, as soon as every earlier item is committed. Memory is
// bounded by bytes, not by threads: an item asks for the bytes it is about to hold with reserve()
// and waits while the items in flight already hold the budget; the oldest uncommitted item never
// waits, so the batch always moves on, and a huge item simply runs alone. Its bytes are handed
// back when it is committed, or earlier with release().
//
// With one worker (or one item) everything runs on the calling thread, in the plain order.
class OrderedWorkPool
{
public:
    explicit OrderedWorkPool(qint64 budgetBytes);
    OrderedWorkPool(const OrderedWorkPool&) = delete;
    OrderedWorkPool& operator=(const OrderedWorkPool&) = delete;

    // commit returning false ends the batch: nothing more starts, and items already running are
    // finished and thrown away. An exception from work(index) is raised here when that item's
    // turn comes to be committed; one from commit is raised at once. Every worker is joined first.
    void run(qsizetype count, const std::function<void(qsizetype index)>& work,
        const std::function<bool(qsizetype index)>& commit);

    // Called from work(index): waits until `bytes` more fit in the budget (never for the oldest
    // uncommitted item, nor once the batch has ended).
    void reserve(qsizetype index, qint64 bytes);
    void release(qsizetype index, qint64 bytes);

    // Bytes held for as long as this lives, charged to the item whose work runs on this thread
    // (nothing outside a batch). A batch run inside another batch's item charges that item.
    class Reservation
    {
    public:
        explicit Reservation(qint64 bytes);
        ~Reservation();
        Reservation(const Reservation&) = delete;
        Reservation& operator=(const Reservation&) = delete;

    private:
        OrderedWorkPool* m_pool;
        qsizetype m_index;
        qint64 m_bytes;
    };

    // Threads a batch uses: the machine's cores, unless set for the whole program (tests compare
    // counts with it; 0 goes back to the cores) or by TESSERLY_DECODE_THREADS.
    static int workerCount();
    static void setWorkerCount(int count);

    // True on a thread that runs one of several items side by side, so that work there does not
    // start threads of its own. Decoders of other batches mark their threads with WorkerScope.
    static bool onParallelWorker();
    class WorkerScope
    {
    public:
        WorkerScope();
        ~WorkerScope();
        WorkerScope(const WorkerScope&) = delete;
        WorkerScope& operator=(const WorkerScope&) = delete;
    };

private:
    void work(qsizetype count, const std::function<void(qsizetype)>& work);
    bool admits(qsizetype index, qint64 bytes) const;

    const qint64 m_budget;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_parallel = false;
    bool m_ended = false;
    qsizetype m_next = 0;
    qsizetype m_frontier = 0;
    qsizetype m_window = 0;
    qint64 m_used = 0;
    std::vector<qint64> m_held;
    std::vector<char> m_done;
    std::vector<std::exception_ptr> m_failures;
};
