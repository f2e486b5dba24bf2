#include "io/DownsamplingThread.h"

#include "io/AreaDownsampler.h"
#include "io/OrderedWorkPool.h"

#include <system_error>

DownsamplingThread::DownsamplingThread(AreaDownsampler& downsampler)
    : m_downsampler(downsampler)
    , m_width(std::size_t(downsampler.inputSize().width()))
{
    const QSize input = downsampler.inputSize();
    // A decode that is one of several running side by side already has its core.
    const bool threaded
        = qint64(input.width()) * input.height() >= threadedPixels && !OrderedWorkPool::onParallelWorker();
    for (std::vector<QRgb>& batch : m_batches) {
        batch.resize(m_width * std::size_t(threaded ? batchRows : 1));
    }
    if (threaded) {
        try {
            m_thread = std::thread([this] { run(); });
        } catch (const std::system_error&) {
            // No thread to be had: average on this one.
        }
    }
}

DownsamplingThread::~DownsamplingThread()
{
    stop();
}

QRgb* DownsamplingThread::nextRow()
{
    return m_batches[m_filling].data() + std::size_t(m_rowsFilled) * m_width;
}

void DownsamplingThread::rowWritten()
{
    if (!m_thread.joinable()) {
        m_downsampler.addRow(m_batches[0].data());
        return;
    }
    if (++m_rowsFilled == batchRows) {
        handOver();
    }
}

void DownsamplingThread::finish()
{
    if (!m_thread.joinable()) {
        return;
    }
    if (m_rowsFilled > 0) {
        handOver();
    }
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_waiting[0] == 0 && m_waiting[1] == 0; });
    }
    stop();
}

// Gives the filled batch to the other thread and waits until the second batch is free to fill.
void DownsamplingThread::handOver()
{
    std::unique_lock lock(m_mutex);
    m_waiting[m_filling] = m_rowsFilled;
    m_filling = 1 - m_filling;
    m_rowsFilled = 0;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_waiting[m_filling] == 0; });
}

void DownsamplingThread::stop()
{
    if (!m_thread.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void DownsamplingThread::run()
{
    for (int batch = 0;; batch = 1 - batch) {
        int rows = 0;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_waiting[batch] > 0 || m_stopping; });
            if (m_stopping) {
                return;
            }
            rows = m_waiting[batch];
        }
        for (int row = 0; row < rows; ++row) {
            m_downsampler.addRow(m_batches[batch].data() + std::size_t(row) * m_width);
        }
        {
            const std::lock_guard lock(m_mutex);
            m_waiting[batch] = 0;
        }
        m_changed.notify_all();
    }
}
