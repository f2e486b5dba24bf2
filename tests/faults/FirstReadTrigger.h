#pragma once

#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <QFile>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

// Runs `action` on its own thread as soon as some process reads the file at `path` (inotify
// IN_ACCESS), that is after the reader has opened and examined the file and while it is still
// reading. Used to change a file under a reader's feet. Joins on destruction.
class FirstReadTrigger
{
public:
    FirstReadTrigger(const QString& path, std::function<void()> action)
        : m_inotify(::inotify_init1(IN_CLOEXEC | IN_NONBLOCK))
    {
        EXPECT_GE(::inotify_add_watch(m_inotify, QFile::encodeName(path).constData(), IN_ACCESS), 0);
        EXPECT_EQ(::pipe2(m_stopPipe, O_CLOEXEC), 0);
        m_thread = std::thread([this, action = std::move(action)] {
            pollfd sources[2] = { { m_inotify, POLLIN, 0 }, { m_stopPipe[0], POLLIN, 0 } };
            while (::poll(sources, 2, -1) < 0 && errno == EINTR) { }
            if (sources[0].revents & POLLIN) {
                action();
            }
        });
    }
    FirstReadTrigger(const FirstReadTrigger&) = delete;
    FirstReadTrigger& operator=(const FirstReadTrigger&) = delete;
    ~FirstReadTrigger()
    {
        [[maybe_unused]] const ssize_t written = ::write(m_stopPipe[1], "s", 1);
        m_thread.join();
        ::close(m_inotify);
        ::close(m_stopPipe[0]);
        ::close(m_stopPipe[1]);
    }

private:
    int m_inotify;
    int m_stopPipe[2] = { -1, -1 };
    std::thread m_thread;
};
