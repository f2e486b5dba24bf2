#pragma once

#include "store/BoardPlatform.h"

#include <functional>
#include <memory>
#include <optional>
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPagedPaintDevice>
#include <QUrl>

// A scripted desktop for store tests: each panel and the alert answer from a queue (an empty
// queue answers "cancelled"), the clipboard is plain data, and every request is recorded so a
// test can check what the user would have seen.
class FakeBoardPlatform : public BoardPlatform
{
public:
    QList<QList<QUrl>> imageChoices;
    QList<std::optional<QUrl>> projectsToOpen;
    QList<std::optional<QUrl>> projectDestinations;
    QList<std::optional<QUrl>> exportDestinations;
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

    QList<QUrl> chooseImageFiles(const PanelRequest& request) override;
    std::optional<QUrl> chooseProjectToOpen(const PanelRequest& request) override;
    std::optional<QUrl> chooseProjectDestination(const PanelRequest& request) override;
    std::optional<QUrl> chooseExportDestination(const PanelRequest& request) override;
    std::optional<qsizetype> runAlert(const AlertRequest& request) override;
    QList<QUrl> clipboardFileURLs() override;
    std::optional<QByteArray> clipboardData(const QString& mimeType) override;
    bool copyPNGToClipboard(const QByteArray& pngData) override;
    void revealInFileManager(const QUrl& fileURL) override;
    std::shared_ptr<QPagedPaintDevice> choosePrinter(const QString& documentName) override;
};
