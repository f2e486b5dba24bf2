#include "app/TesserlyAppDelegate.h"

#include "model/ContentTypes.h"
#include "store/BoardStore.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

TesserlyAppDelegate::TesserlyAppDelegate(std::function<void(const AlertRequest&)> showAlert, QObject* parent)
    : QObject(parent)
    , m_showAlert(std::move(showAlert))
{ }

std::optional<QUrl> TesserlyAppDelegate::firstProject(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        // A package is a folder, so a trailing slash must not hide its extension.
        const QString path = QDir::cleanPath(url.path());
        if (QFileInfo(path).suffix().toLower() == ContentTypes::projectExtension) {
            return url;
        }
    }
    return std::nullopt;
}

QList<QUrl> TesserlyAppDelegate::urlsFromArguments(const QStringList& arguments)
{
    QList<QUrl> urls;
    for (const QString& argument : arguments) {
        if (argument.isEmpty()) {
            continue;
        }
        // "scheme://..." is an address; only file: addresses name something this process can open.
        if (argument.contains(QStringLiteral("://"))) {
            const QUrl url(argument);
            if (url.isLocalFile()) {
                urls.append(url);
            }
            continue;
        }
        urls.append(QUrl::fromLocalFile(QFileInfo(argument).absoluteFilePath()));
    }
    return urls;
}

void TesserlyAppDelegate::windowAppeared(BoardStore& store)
{
    m_store = &store;
    const std::optional<QUrl> project = std::exchange(m_pendingProjectURL, std::nullopt);
    const QList<QUrl> images = std::exchange(m_pendingImageURLs, {});
    if (project) {
        store.openProject(*project);
    } else if (!images.isEmpty()) {
        store.importURLs(images);
    }
}

void TesserlyAppDelegate::openFiles(const QList<QUrl>& urls)
{
    if (urls.isEmpty()) {
        return;
    }
    const std::optional<QUrl> project = firstProject(urls);
    if (!m_store) {
        // The latest hand-over wins.
        m_pendingProjectURL = project;
        m_pendingImageURLs = project ? QList<QUrl>() : urls;
        return;
    }
    if (project) {
        m_store->openProject(*project);
    } else {
        m_store->importURLs(urls);
    }
}

bool TesserlyAppDelegate::shouldTerminate()
{
    if (!m_store) {
        return true;
    }
    if (m_store->isBusy()) {
        m_showAlert(AlertRequest {
            tr(busyQuitMessage), tr(busyQuitInformation), { tr(okButton) }, AlertIcon::information });
        return false;
    }
    if (!m_store->confirmDiscardChanges()) {
        return false;
    }
    if (m_store) {
        m_store->acceptWindowClose();
    }
    return true;
}
