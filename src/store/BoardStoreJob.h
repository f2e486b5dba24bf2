#pragma once

// The one way the store runs long work; included only by the store's own sources.

#include "model/BoardFailure.h"
#include "store/BoardStore.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

namespace BoardStoreJob {
// Shown when a job fails with something other than a component's own error (memory exhausted,
// for instance), so that no failure is ever reported as success or leaves the store busy.
inline QString unexpectedFailureText()
{
    return QCoreApplication::translate("BoardStore", "The operation could not be completed.");
}
} // namespace BoardStoreJob

template <typename Result>
void BoardStore::runInBackground(const QString& busyStatus, std::function<Result()> job,
    std::function<void(std::optional<Result>, const QString& error)> apply)
{
    using Outcome = std::pair<std::optional<Result>, QString>;
    setBusy(true);
    setStatusMessage(busyStatus);

    auto* watcher = new QFutureWatcher<Outcome>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, apply = std::move(apply)] {
        Outcome outcome = watcher->result();
        watcher->deleteLater();
        // The apply step clears busy itself, in its own order; this only catches a path that
        // forgot or threw.
        struct ClearBusy
        {
            BoardStore* store;
            ~ClearBusy()
            {
                if (store->m_isBusy) {
                    store->setBusy(false);
                }
            }
        } clearBusy { this };
        apply(std::move(outcome.first), outcome.second);
    });
    watcher->setFuture(QtConcurrent::run([job = std::move(job)]() -> Outcome {
        try {
            return { job(), QString() };
        } catch (const BoardFailure& failure) {
            return { std::nullopt, failure.description() };
        } catch (const std::exception&) {
            return { std::nullopt, BoardStoreJob::unexpectedFailureText() };
        }
    }));
}
