#pragma once

#include "store/BoardPlatform.h"

#include <functional>
#include <memory>
#include <optional>
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPagedPaintDevice>

// A scripted desktop for store tests: each panel and the alert answer from a queue (an empty
// queue answers "cancelled"), the clipboard is plain data, and every request is recorded so a
// test can check what the user would have seen.
class FakeBoardPlatform : public BoardPlatform
{
public:
    QList<QList<QUrl>> imageChoices;
    using Choice = std::optional<QUrl>;
    QList<Choice> projectsToOpen;
    QList<Choice> projectDestinations;
    QList<Choice> exportDestinations;
    QList<std::optional<qsizetype>> alertAnswers;
    // When set, also shows each alert (the screenshot driver puts up the desktop's real one).
    std::function<void(const AlertRequest&)> showAlert;

    QList<QUrl> clipboardURLs;
    QMap<QString, QByteArray> clipboard;
    bool clipboardAcceptsData = true;
    std::optional<QByteArray> copiedPNG;

    QList<PanelRequest> imagePanels;
    QList<PanelRequest> openPanels;
    QList<PanelRequest> projectSavePanels;
    QList<PanelRequest> exportPanels;
    QList<AlertRequest> alerts;
    QList<QUrl> revealed;
    // What the print dialog answers (nullptr: cancelled) and the job names it was shown with.
    std::shared_ptr<QPagedPaintDevice> printer;
    QStringList printJobNames;

    QList<QUrl> chooseImageFiles(const PanelRequest& r) override { return ask(imagePanels, r, imageChoices); }
    Choice chooseProjectToOpen(const PanelRequest& r) override { return ask(openPanels, r, projectsToOpen); }
    Choice chooseProjectDestination(const PanelRequest& r) override
    {
        return ask(projectSavePanels, r, projectDestinations);
    }
    Choice chooseExportDestination(const PanelRequest& r) override
    {
        return ask(exportPanels, r, exportDestinations);
    }
    std::optional<qsizetype> runAlert(const AlertRequest& request) override
    {
        // A copy: the one shown may replace itself.
        if (const std::function<void(const AlertRequest&)> show = showAlert) {
            show(request);
        }
        return ask(alerts, request, alertAnswers);
    }
    QList<QUrl> clipboardFileURLs() override { return clipboardURLs; }
    std::optional<QByteArray> clipboardData(const QString& mimeType) override
    {
        return clipboard.contains(mimeType) ? std::optional(clipboard.value(mimeType)) : std::nullopt;
    }
    bool copyPNGToClipboard(const QByteArray& png) override
    {
        if (clipboardAcceptsData) {
            clipboardURLs.clear();
            clipboard = { { QStringLiteral("image/png"), png } };
            copiedPNG = png;
        }
        return clipboardAcceptsData;
    }
    void revealInFileManager(const QUrl& fileURL) override { revealed.append(fileURL); }
    std::shared_ptr<QPagedPaintDevice> choosePrinter(const QString& documentName) override
    {
        printJobNames.append(documentName);
        return printer;
    }

private:
    // Records the request and takes the next scripted answer.
    template <typename Request, typename Answer>
    static Answer ask(QList<Request>& asked, const Request& request, QList<Answer>& answers)
    {
        asked.append(request);
        return answers.isEmpty() ? Answer() : answers.takeFirst();
    }
};
