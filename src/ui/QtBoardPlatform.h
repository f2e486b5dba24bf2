#pragma once

#include "store/BoardPlatform.h"

#include <QPointer>
#include <QWidget>

class QFileDialog;

// The store's desktop on Qt: file dialogs, alerts, the system clipboard and the file
// manager. File panels start in the folder last used for the same purpose (PanelFolders).
// Dialogs are modal to the given window (or the active one when none is given).
class QtBoardPlatform : public BoardPlatform
{
public:
    explicit QtBoardPlatform(QWidget* window = nullptr);

    void setWindow(QWidget* window) { m_window = window; }

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

    // "Images (*.png *.jpg …)" for several types, the type's own name for one.
    static QStringList nameFilters(const PanelRequest& request);
    // The path with the first allowed suffix appended when it has none of them.
    static QString withSuffix(const QString& path, const PanelRequest& request);
    // The names typed in a file dialog's name field, quoted or not.
    static QStringList typedNames(const QString& text);
    // Every file the user chose in an accepted dialog: typed names first, in their order, then
    // any other selected file.
    static QStringList chosenFiles(const QFileDialog& dialog);
    // Puts the request's message under the dialog's controls (Qt's dialog has no message line).
    static void addMessage(QFileDialog& dialog, const QString& message);

private:
    QWidget* parentWindow() const;

    QPointer<QWidget> m_window;
};
