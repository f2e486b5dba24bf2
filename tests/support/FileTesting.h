#pragma once

#include <functional>
#include <QMap>
#include <QStringList>

// Looking at what reads and writes left on disk.
class FileTesting
{
public:
    // Every name in `folder`, hidden ones included, sorted: shows any temporary leftover.
    static QStringList folderEntries(const QString& folder);
    // The bytes of the file at `path`; empty when it cannot be read.
    static QByteArray fileBytes(const QString& path);
    // Every entry under `path` (links not followed) with its content: file bytes, "link:" +
    // target, or "folder". Tells whether anything at all was changed.
    static QMap<QString, QByteArray> treeSnapshot(const QString& path);
    // The description of the BoardFailure `operation` throws; empty when it succeeds.
    static QString failureMessage(const std::function<void()>& operation);
    static int openDescriptorCount() { return int(folderEntries(QStringLiteral("/proc/self/fd")).size()); }

    // A forked child that calls `round` with 0, 1, 2... until it is killed, telling the parent
    // before each round; it runs nothing else of the test (a throwing round ends it with 3).
    class LoopingChild
    {
    public:
        explicit LoopingChild(const std::function<void(int)>& round);
        ~LoopingChild();
        // Waits for the next round to begin; false when none began within the timeout.
        bool nextRound(int timeoutMilliseconds = 120'000) const;
        // True when the child was still running and died of the kill.
        bool kill();

    private:
        int m_pid = -1;
        int m_rounds = -1;
    };
};
