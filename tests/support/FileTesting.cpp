#include "FileTesting.h"

#include "model/BoardFailure.h"

#include <csignal>
#include <poll.h>
#include <QDirIterator>
#include <sys/wait.h>
#include <unistd.h>

QStringList FileTesting::folderEntries(const QString& folder)
{
    QStringList entries
        = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
}

QByteArray FileTesting::fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> FileTesting::treeSnapshot(const QString& path)
{
    const auto content = [](const QFileInfo& info) -> QByteArray {
        if (info.isSymLink()) {
            return "link:" + QFile::encodeName(info.symLinkTarget());
        }
        return info.isDir() ? QByteArray("folder") : fileBytes(info.filePath());
    };
    QMap<QString, QByteArray> entries { { QStringLiteral("."), content(QFileInfo(path)) } };
    if (QFileInfo(path).isSymLink() || !QFileInfo(path).isDir()) {
        return entries;
    }
    QDirIterator iterator(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (iterator.hasNext()) {
        const QString entry = iterator.next();
        entries.insert(QDir(path).relativeFilePath(entry), content(QFileInfo(entry)));
    }
    return entries;
}

QString FileTesting::failureMessage(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const BoardFailure& failure) {
        return failure.description();
    }
    return {};
}

FileTesting::LoopingChild::LoopingChild(const std::function<void(int)>& round)
{
    int rounds[2];
    if (::pipe(rounds) != 0) {
        return;
    }
    m_pid = ::fork();
    for (int count = 0; m_pid == 0; ++count) {
        try {
            ::write(rounds[1], "r", 1) == 1 ? round(count) : ::_exit(2);
        } catch (...) {
            ::_exit(3);
        }
    }
    ::close(rounds[1]);
    m_rounds = rounds[0];
}

FileTesting::LoopingChild::~LoopingChild()
{
    kill();
    ::close(m_rounds);
}

bool FileTesting::LoopingChild::nextRound(int timeoutMilliseconds) const
{
    pollfd source { m_rounds, POLLIN, 0 };
    char signal = 0;
    return ::poll(&source, 1, timeoutMilliseconds) == 1 && ::read(m_rounds, &signal, 1) == 1;
}

bool FileTesting::LoopingChild::kill()
{
    if (m_pid <= 0 || ::kill(m_pid, SIGKILL) != 0) {
        return false;
    }
    int status = 0;
    const bool reaped = ::waitpid(m_pid, &status, 0) == m_pid;
    m_pid = -1;
    return reaped && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}
