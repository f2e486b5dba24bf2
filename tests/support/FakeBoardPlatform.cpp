#include "FakeBoardPlatform.h"

namespace {
template <typename Answer> Answer next(QList<Answer>& queue)
{
    return queue.isEmpty() ? Answer() : queue.takeFirst();
}
} // namespace

QList<QUrl> FakeBoardPlatform::chooseImageFiles(const PanelRequest& request)
{
    imagePanels.append(request);
    return next(imageChoices);
}

std::optional<QUrl> FakeBoardPlatform::chooseProjectToOpen(const PanelRequest& request)
{
    openPanels.append(request);
    return next(projectsToOpen);
}

std::optional<QUrl> FakeBoardPlatform::chooseProjectDestination(const PanelRequest& request)
{
    projectSavePanels.append(request);
    return next(projectDestinations);
}

std::optional<QUrl> FakeBoardPlatform::chooseExportDestination(const PanelRequest& request)
{
    exportPanels.append(request);
    return next(exportDestinations);
}

std::optional<qsizetype> FakeBoardPlatform::runAlert(const AlertRequest& request)
{
    alerts.append(request);
    // A copy: the one shown may replace itself.
    if (const std::function<void(const AlertRequest&)> show = showAlert) {
        show(request);
    }
    return next(alertAnswers);
}

QList<QUrl> FakeBoardPlatform::clipboardFileURLs()
{
    return clipboardURLs;
}

std::optional<QByteArray> FakeBoardPlatform::clipboardData(const QString& mimeType)
{
    const auto found = clipboard.constFind(mimeType);
    return found == clipboard.cend() ? std::nullopt : std::optional<QByteArray>(*found);
}

bool FakeBoardPlatform::copyPNGToClipboard(const QByteArray& pngData)
{
    if (!clipboardAcceptsData) {
        return false;
    }
    clipboard.clear();
    clipboardURLs.clear();
    clipboard.insert(QStringLiteral("image/png"), pngData);
    copiedPNG = pngData;
    return true;
}

void FakeBoardPlatform::revealInFileManager(const QUrl& fileURL)
{
    revealed.append(fileURL);
}

std::shared_ptr<QPagedPaintDevice> FakeBoardPlatform::choosePrinter(const QString& documentName)
{
    printJobNames.append(documentName);
    return printer;
}
