#pragma once

#include <functional>
#include <QString>
#include <thread>

// Runs `action` on its own thread as soon as some process reads the file at `path` (inotify
// IN_ACCESS), that is after the reader has opened and examined the file and while it is still
// reading. Used to change a file under a reader's feet. Joins on destruction.
class FirstReadTrigger
{
public:
    FirstReadTrigger(const QString& path, std::function<void()> action);
    FirstReadTrigger(const FirstReadTrigger&) = delete;
    FirstReadTrigger& operator=(const FirstReadTrigger&) = delete;
    ~FirstReadTrigger();

private:
    int m_inotify = -1;
    int m_stopPipe[2] = { -1, -1 };
    std::thread m_thread;
};
