#include "FirstReadTrigger.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <QFile>
#include <sys/inotify.h>
#include <unistd.h>

FirstReadTrigger::FirstReadTrigger(const QString& path, std::function<void()> action)
{
    m_inotify = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    EXPECT_GE(m_inotify, 0);
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

FirstReadTrigger::~FirstReadTrigger()
{
    const char stop = 's';
    [[maybe_unused]] const ssize_t written = ::write(m_stopPipe[1], &stop, 1);
    m_thread.join();
    ::close(m_inotify);
    ::close(m_stopPipe[0]);
    ::close(m_stopPipe[1]);
}
