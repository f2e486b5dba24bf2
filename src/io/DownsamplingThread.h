#pragma once

#include <condition_variable>
#include <mutex>
#include <QRgb>
#include <thread>
#include <vector>

class AreaDownsampler;

// Feeds an AreaDownsampler from a second thread, so that a decoder producing the next rows and
// the averaging of the rows before them overlap; the picture is still decoded once, in order.
// The decoder writes each row straight into a batch; full batches go to the other thread while
// the decoder fills the second one. Small pictures are averaged on the calling thread instead.
class DownsamplingThread
{
public:
    explicit DownsamplingThread(AreaDownsampler& downsampler);
    // Stops the thread, whether or not every row arrived (a decoder may give up half way).
    ~DownsamplingThread();
    DownsamplingThread(const DownsamplingThread&) = delete;
    DownsamplingThread& operator=(const DownsamplingThread&) = delete;

    // Where the next row goes: room for the downsampler's input width.
    QRgb* nextRow();
    // The row from nextRow() is complete.
    void rowWritten();
    // Waits until every written row has been added; the downsampler's result is ready after it.
    void finish();

    // Pictures of at least this many pixels are averaged on the second thread.
    static constexpr qint64 threadedPixels = 1 << 20;
    static constexpr int batchRows = 64;

private:
    void handOver();
    void stop();
    void run();

    AreaDownsampler& m_downsampler;
    std::size_t m_width;
    std::vector<QRgb> m_batches[2];
    // Rows waiting in each batch for the other thread; 0 when the batch is free to fill.
    int m_waiting[2] = { 0, 0 };
    int m_filling = 0;
    int m_rowsFilled = 0;
    bool m_stopping = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_thread;
};
